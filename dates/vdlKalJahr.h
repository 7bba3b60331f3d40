#pragma once
// The year calendar: a borderless pop-up beside a date edit showing a whole year, one row per
// month; a picked day is written into the edit. It closes when it stops being active.
#include "dates/YearCalendarModel.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace vdl {

// Opens the calendar on year Jahr beside Anchor (may be null), both panels empty.
bool JahrKalenderZeigen(int Jahr, QLineEdit* Anchor);
// Opens it on the year of Datum (0 = today), showing that date in its panels.
bool JahrKalenderDatum(QLineEdit* Anchor, double Datum);

class TfvdlKalJahr : public QWidget {
    Q_OBJECT
public:
    TfvdlKalJahr(int Jahr, QLineEdit* Anchor);

    YearCalendarModel& model() { return m_model; }
    // Shows the model's state in the panels, the year label and the grid.
    void Aktualisieren();
    void pick();

    // The newest pop-up, for tests and for the opener.
    static TfvdlKalJahr* current();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    friend class YearGrid;
    void placeBesideAnchor();
    long long dayCount() const;

    YearCalendarModel m_model;
    QPointer<QLineEdit> FEdit;
    bool m_wasActive = false;
    QPoint FDragStart;
    int FDragLeft = 0, FDragTop = 0;

    QWidget* m_pJahr = nullptr;
    QLabel* m_datum = nullptr;   // Panel2
    QLabel* m_tage = nullptr;    // Panel3
    QLabel* m_lJahr = nullptr;
    QToolButton* m_bOpt = nullptr;
    QWidget* m_pTage = nullptr;
    QLineEdit* m_edit1 = nullptr;
    QWidget* m_grid = nullptr;
};

} // namespace vdl
