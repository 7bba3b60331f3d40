#include "dates/YearCalendarModel.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_forms.h"

#include <Qt>
#include <algorithm>
#include <cmath>

namespace vdl {

namespace {

bool yearInRange(long long Jahr)
{
    return Jahr >= 1 && Jahr <= 9999;
}

} // namespace

YearCalendarModel::YearCalendarModel(int Jahr) : FJahr(std::clamp(Jahr, 1, 9999)) {}

int YearCalendarModel::days(int Row) const
{
    return DaysInMonth(Row + 1, FJahr);
}

bool YearCalendarModel::isDayCell(int Col, int Row) const
{
    return Row >= 0 && Row < Rows && Col >= 1 && Col <= days(Row);
}

QString YearCalendarModel::cellText(int Col, int Row) const
{
    if (Col == 0 && Row >= 0 && Row < Rows)
        return MonthName(Row + 1, true);
    if (!isDayCell(Col, Row))
        return QString();
    return QString(QLatin1Char(char('0' + Col / 10))) + QLatin1Char(char('0' + Col % 10));
}

double YearCalendarModel::cellDate(int Col, int Row) const
{
    double d = 0;
    TryEncodeDate(FJahr, Row + 1, Col, d);
    return d;
}

void YearCalendarModel::showDate(double D)
{
    FDatumText = FormatDateTime(QStringLiteral("dd. mm. yyyy"), D);
    FTageText = IntToStr((long long)std::trunc(D));
}

unsigned YearCalendarModel::background(int Col, int Row) const
{
    const double d = cellDate(Col, Row);
    unsigned bg = Row % 2 ? 0xE0E0E0 : 0xF0F0F0;
    int y, m, day;
    DecodeDate(Clock::today(), y, m, day);
    if (Row + 1 == m && FJahr == y)
        bg -= 0x202020;
    if (d == Clock::today())
        bg = 0x808080;
    // The date in the panel shows through a blue tint.
    if (FormatDateTime(QStringLiteral("dd. mm. yyyy"), d) == FDatumText)
        bg -= 0x404000;
    return bg;
}

bool YearCalendarModel::bold(int Col, int Row) const
{
    return cellDate(Col, Row) == Clock::today();
}

YearCalendarModel::Ink YearCalendarModel::ink(int Col, int Row) const
{
    const bool today = bold(Col, Row);
    switch (DayOfWeek(cellDate(Col, Row))) {
    case 7: return today ? Ink::Aqua : Ink::Blue;
    case 1: return today ? Ink::LightRed : Ink::Red;
    default: return today ? Ink::HighlightText : Ink::WindowText;
    }
}

bool YearCalendarModel::setYear(long long Jahr)
{
    if (!yearInRange(Jahr))
        return false;
    FJahr = int(Jahr);
    return true;
}

bool YearCalendarModel::stepYear(int Delta)
{
    if (!setYear(FJahr + Delta))
        return false;
    FCol = std::min(FCol, days(FRow));
    return true;
}

void YearCalendarModel::typeChar(QChar C)
{
    QString s = UpperCaseRange(QString(C), 0, 0);
    if (s == QStringLiteral("ß"))
        s = QStringLiteral("A");
    const qsizetype p = s.size() == 1 ? QStringLiteral("0123456789A").indexOf(s) : -1;
    if (p < 0)
        return;
    long long jahr = FJahr;
    if (jahr % 10 == 0 && p == 0)
        jahr -= 10;
    stepYear(int(jahr / 10 * 10 + p - FJahr));
}

void YearCalendarModel::select(int Col, int Row)
{
    FCol = Col;
    FRow = Row;
    showDate(cellDate(Col, Row));
}

void YearCalendarModel::gotoDate(double D)
{
    int y, m, d;
    DecodeDate(D, y, m, d);
    if (!setYear(y))
        return;
    select(d, m - 1);
}

void YearCalendarModel::arrow(int Key)
{
    const int before = FJahr;
    int c = FCol, r = FRow;
    const bool upDown = Key == Qt::Key_Up || Key == Qt::Key_Down;
    const bool atMonthEnd = upDown && c == days(r);
    switch (Key) {
    case Qt::Key_Left: --c; break;
    case Qt::Key_Right: ++c; break;
    case Qt::Key_Up: --r; break;
    default: ++r; break;
    }
    const auto normalise = [&] {
        if (r < 0 && setYear(FJahr - 1))
            r = 11;
        else if (r > 11 && setYear(FJahr + 1))
            r = 0;
        return r >= 0 && r <= 11;
    };
    bool ok = normalise();
    if (ok && !upDown) {
        if (c == 0) {
            c = 31;
            --r;
        } else if (c > days(r)) {
            c = 1;
            ++r;
        }
        ok = normalise();
    }
    if (!ok) { // beyond the years 1 to 9999
        FJahr = before;
        return;
    }
    c = atMonthEnd ? days(r) : std::min(c, days(r));
    select(c, r);
}

YearCalendarModel::Action YearCalendarModel::keyDown(int Key, bool EditActive)
{
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F10) {
        if (!EditActive)
            typeChar(Key == Qt::Key_F10 ? QChar(u'A') : QChar(char16_t(u'1' + (Key - Qt::Key_F1))));
        return Action::None;
    }
    switch (Key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return Action::Pick;
    case Qt::Key_Escape: return Action::Close;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: arrow(Key); break;
    case Qt::Key_PageUp: moveDays(-7); break;
    case Qt::Key_PageDown: moveDays(7); break;
    default: break;
    }
    return Action::None;
}

void YearCalendarModel::hover(int Col, int Row)
{
    if ((Col == FMausCol && Row == FMausRow) || !isDayCell(Col, Row))
        return;
    FMausCol = Col;
    FMausRow = Row;
    showDate(cellDate(Col, Row));
}

bool YearCalendarModel::selectCell(int Col, int Row)
{
    if (!isDayCell(Col, Row))
        return false;
    select(Col, Row);
    return true;
}

void YearCalendarModel::gotoDayNumber(long long N)
{
    if (N > 0 && N < 3000000)
        gotoDate(double(N));
}

void YearCalendarModel::moveDays(long long N)
{
    if (N != 0 && N > -4000000 && N < 4000000)
        gotoDate(cellDate(FCol, FRow) + double(N));
}

QString YearCalendarModel::pickText() const
{
    return isDayCell(FCol, FRow) ? FormatDateTime(QStringLiteral("dd. mm. yyyy"), cellDate(FCol, FRow)) : QString();
}

} // namespace vdl
