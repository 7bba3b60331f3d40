#pragma once
// Date texts and calendar arithmetic. Dates are day numbers (0 = 30.12.1899) whose fraction
// is the time of day.
#include "platform/Var.h"
#include <QString>

namespace vdl {

// The tolerant reader of typed dates ("24.12.03", "241203", "24 dez 2003", "5" with a
// reference date). DateText is the output pattern on entry ('' for "dd. mm. yyyy", or
// "dd. mmmm. yyyy" when the month was typed by name) and the formatted date on exit,
// '' when the result is false. Missing parts come from a date-typed or text Default,
// else from today.
bool ParseDate(const QString& Text, const Var& Default, QString& DateText, int PivotYear);
// Strict test of a finished date text (dd.mm.yyyy with any one separator, or 6/8 digits).
bool IsDateText(const QString& S, bool AllowEmpty);
bool SameDateText(const QString& A, const QString& B);

int DaysInFebruary(int Year);
int DaysInMonth(int Month, int Year); // 0 outside 1..12
int DayOfWeekIso(double Date);        // Monday 1 .. Sunday 7; 0 means today
QString MonthName(int Month, bool Short);
int YearOfDate(double Date);          // 0 means today, also below
int MonthOfDate(double Date);
int DayOfDate(double Date);

// The system's fixed display patterns: "dd. mm. yyyy" for (false, false, 0), "hh:nn:ss"
// for (true, false), amounts with two decimals.
QString DateToText(bool Compact, bool ShortYear, int Mode, double Date);
QString TimeToText(bool Seconds, bool Millis, double Time);
QString FloatToText(bool Thousands, bool ZeroEmpty, long double Value);

} // namespace vdl
