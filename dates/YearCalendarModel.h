#pragma once
// What the year calendar knows without its widgets: one row per month, one column per day
// (column 0 the month's short name), the current cell, the date and day-number panels, the
// year keys and the moves by days, weeks and months. Years stay within 1 to 9999.
#include <QString>

namespace vdl {

class YearCalendarModel {
public:
    enum class Ink { WindowText, HighlightText, Blue, Aqua, Red, LightRed };
    enum class Action { None, Pick, Close };
    static constexpr int Columns = 32, Rows = 12;

    explicit YearCalendarModel(int Jahr);

    int year() const { return FJahr; }
    QString cellText(int Col, int Row) const;
    bool isDayCell(int Col, int Row) const;
    double cellDate(int Col, int Row) const;
    int col() const { return FCol; }
    int row() const { return FRow; }

    // Date panel "dd. mm. yyyy" and day-number panel; both empty until a date is shown.
    QString datePanel() const { return FDatumText; }
    QString serialPanel() const { return FTageText; }
    void showDate(double D);

    // Look of a day cell: background as 0xRRGGBB, bold for today, text colour by weekday.
    unsigned background(int Col, int Row) const;
    bool bold(int Col, int Row) const;
    Ink ink(int Col, int Row) const;

    // The year buttons; the current cell keeps its place, its day capped to the month.
    bool stepYear(int Delta);
    // A typed character: a digit sets the year's last digit, "0" on a multiple of ten goes
    // ten years back, "A" (or "ß") to the next multiple of ten.
    void typeChar(QChar C);
    // Keys of the calendar; EditActive: the day-count field has the focus, so F1..F10 type
    // nothing.
    Action keyDown(int Key, bool EditActive);

    void hover(int Col, int Row);
    // A click: day cells only become current.
    bool selectCell(int Col, int Row);
    // The day-count bar: go to day number N ("&Tage"), or N days on or back.
    void gotoDayNumber(long long N);
    void moveDays(long long N);
    // Text written into the anchor on a pick.
    QString pickText() const;

private:
    bool setYear(long long Jahr);
    int days(int Row) const;
    void select(int Col, int Row);
    void gotoDate(double D);
    void arrow(int Key);

    int FJahr;
    int FCol = 1, FRow = 0;
    int FMausCol = 0, FMausRow = 0;
    QString FDatumText, FTageText;
};

} // namespace vdl
