#pragma once
// The date dialog: a month grid with step buttons, a month panel and a pop-up menu on the
// left, typed input with a pad and count buttons on the right (shown when expanded).
#include "dates/DateDialogModel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace vdl {

enum TDateEdOption : unsigned {
    deRahmen = 1u << 0,    // raised day cells
    deErweitert = 1u << 1, // opens expanded
};
using TDateEdOptionen = unsigned;

// Opens the dialog on Datum (whole-day part 0 = today). On OK Datum takes the picked date and
// the result is true; otherwise Datum stays as it was.
bool DatumAuswaehlen(double& Datum, TDateEdOptionen Optionen);
bool DatumAuswaehlenStd(double& Datum);
// The same for a date text (empty = today); a text that is no date opens nothing. On OK S
// becomes "dd.mm.yyyy" with Punkte, else "dd. mm. yyyy".
bool DatumTextAuswaehlen(QString& S, bool Punkte);
// The same on the text of a line edit; any other control gives false. KurzesJahr writes a
// two-digit year into a 10-character result.
bool DatumEditAuswaehlen(QWidget* Control, bool Punkte, bool KurzesJahr);

class TDateEd : public QDialog {
    Q_OBJECT
public:
    TDateEd(double Datum, TDateEdOptionen Optionen, QWidget* parent = nullptr);

    DateDialogModel& model() { return m_model; }
    double date() const { return m_model.date(); }
    bool expanded() const { return m_erweitert; }
    void setExpanded(bool on);
    // Shows the model's state in every control.
    void Aktualisieren();
    void WertFehler(const QString& Text);

    void done(int r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class DayGrid;
    friend class NumPadBox;
    void act(DateDialogModel::Action a);
    void countClick(DateDialogModel::Unit u);
    void centreButtons();
    void openMenu(const QPoint& globalPos);

    DateDialogModel m_model;
    bool m_flach = true;
    bool m_erweitert = false;

    QWidget* m_tage = nullptr;
    QWidget* m_numPad = nullptr;
    QWidget* m_monate = nullptr;
    QLabel* m_monatJahr = nullptr;
    QLabel* m_ersterLetzter = nullptr;
    QToolButton* m_b[12] = {};
    QLineEdit* m_eingabe = nullptr;
    QLineEdit* m_vorschlag = nullptr;
    QLineEdit* m_datum = nullptr;
    QLineEdit* m_woTag = nullptr;
    QPushButton* m_count[4] = {};
    QWidget* m_pnlButtons = nullptr;
    QToolButton* m_btnExpand = nullptr;
    QToolButton* m_btnCompress = nullptr;
    QMenu* m_pop = nullptr;
};

} // namespace vdl
