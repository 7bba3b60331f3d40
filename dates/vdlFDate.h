#pragma once
// The date-entry frame: a date field with a "···" button beside it. The field normalises its
// text to "dd. mm. yyyy" when left and spins day, month or year with Up and Down; a double
// click, F4, F6 or the button open the date dialog; a long press offers the day, month or year
// under the caret in a menu; a right click opens the year calendar.
#include <QWidget>

#include <functional>

class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

namespace vdl {

class TfvdlFDate : public QWidget {
    Q_OBJECT
public:
    explicit TfvdlFDate(QWidget* parent = nullptr);

    QLineEdit* Datum;
    QToolButton* BtnKal;
    QTimer* Timer; // the long press

    // While this control has the focus, leaving the field does not check it.
    QWidget* FSkipCtrl = nullptr;
    // The last date the exit check accepted (0: none yet).
    double FLetztesDatum = 0;
    // After a date was picked in the dialog, move on to the next control.
    bool FAutoWeiter = false;
    // Called with the frame whenever a change leaves a valid date in the field.
    std::function<void(QObject*)> FOnDatum;
    // A host's own handler for entering the field; it calls DatumEnter itself.
    std::function<void()> OnDatumEnter;

    // The text is a date ("" is none).
    bool DatumGueltig() const;
    // The date in the field, 0 when there is none.
    double DatumLesen() const;

    void DatumEnter();
    void DatumExit();
    void DatumChange();
    void DatumDblClick();
    void BtnKalClick();
    void TimerTimer();

    // The three long-press menus, made at the first long press.
    QMenu* popTag();
    QMenu* popMonat();
    QMenu* popJahr();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter goes on to the host's own handling of the field, but never presses the default
    // button of the dialog the frame sits in.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool openDialog();
    QMenu* makeMenu(QMenu*& menu, const char* name, int count, int start);
    void choose(int start, int length, const QString& caption);
    QLineEdit* activeEdit() const;

    QMenu* m_popTag = nullptr;
    QMenu* m_popMonat = nullptr;
    QMenu* m_popJahr = nullptr;
    QPoint m_pressAt;
};

} // namespace vdl
