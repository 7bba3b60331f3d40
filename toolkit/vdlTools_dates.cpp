#include "toolkit/vdlTools_dates.h"

#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_strings.h"

#include <QStringList>
#include <QVarLengthArray>
#include <cmath>

namespace vdl {

namespace {

const QString defaultPattern = QStringLiteral("dd. mm. yyyy");
const QString namedMonthPattern = QStringLiteral("dd. mmmm. yyyy");
const QString dateMask = QStringLiteral("||.||.||||");

// Only A to Z count as letters when reading a date; umlauts are neither letters nor digits.
bool isLetter(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isSeparator(QChar c) { return QStringLiteral(".:-/\\,;").contains(c); }

// "241203" reads as 24, 12, 03 and "24DEZ2003" as 24, DEZ, 2003: a separator closes a
// token, the first two tokens close after two digits, and a change between letters and
// digits closes one. A trailing empty token is never closed ("1.1." gives two tokens).
using DateTokens = QVarLengthArray<QStringView, 4>;

DateTokens dateTokens(QStringView text)
{
    DateTokens tokens;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar prev = i > 0 ? text[i - 1] : QChar();
        const qsizetype length = i - start;
        if (isSeparator(c)) {
            tokens.append(text.sliced(start, length));
            start = i + 1;
        } else if (length == 2 && tokens.size() < 2) {
            if (isDigit(text[start]) && isDigit(text[start + 1])) {
                tokens.append(text.sliced(start, length));
                start = i;
            }
        } else if ((isLetter(c) && isDigit(prev)) || (isDigit(c) && isLetter(prev))) {
            tokens.append(text.sliced(start, length));
            start = i;
        }
    }
    if (start < text.size())
        tokens.append(text.sliced(start));
    return tokens;
}

// The first name that begins with the token wins, so "" is January, "M" March, "MA" May.
int monthOfToken(QStringView token)
{
    int month;
    if (TryStrToInt(token.toString(), month))
        return month;
    static const struct {
        QString name;
        int month;
    } names[] = {
        {QStringLiteral("JANUAR"), 1},     {QStringLiteral("FEBRUAR"), 2},  {QStringLiteral("MÄRZ"), 3},
        {QStringLiteral("APRIL"), 4},      {QStringLiteral("MAI"), 5},      {QStringLiteral("JUNI"), 6},
        {QStringLiteral("JULI"), 7},       {QStringLiteral("AUGUST"), 8},   {QStringLiteral("SEPTEMBER"), 9},
        {QStringLiteral("OKTOBER"), 10},   {QStringLiteral("NOVEMBER"), 11}, {QStringLiteral("DEZEMBER"), 12},
        {QStringLiteral("MAERZ"), 3},      {QStringLiteral("OCTOBER"), 10}, {QStringLiteral("DECEMBER"), 12},
    };
    for (const auto& n : names) {
        if (n.name.startsWith(token))
            return n.month;
    }
    return 0;
}

// A year that is no integer makes the date invalid (0); two digits go through the pivot.
int yearOfToken(QStringView token, int pivotYear)
{
    int year;
    if (!TryStrToInt(token.toString(), year))
        return 0;
    if (token.size() == 3 && year == 200)
        return 2000;
    if (token.size() < 3) {
        const int century = (pivotYear / 100) * 100;
        year += pivotYear % 100 > year ? century + 100 : century;
    }
    return year;
}

// The reference of the missing parts, as a regional short date text; '' when there is none.
QString referenceText(const Var& def)
{
    if (def.isDate()) {
        const long double d = def.toFloat();
        return d > 0 ? DateToStr(static_cast<double>(d)) : QString();
    }
    double date;
    if (def.isText() && TryStrToDate(def.toString(), date))
        return DateToStr(date);
    return QString();
}

// Six or eight digits are a date typed without separators.
QString maskedDigits(const QString& s)
{
    if ((s.size() == 6 || s.size() == 8) && IsDigits(s))
        return ApplyMask(dateMask, s);
    return s;
}

// Splits a date text at its first non-digit character; false unless that gives three parts.
bool dateParts(const QString& s, QStringList& parts)
{
    const int sep = FirstNonDigitPos(s);
    if (sep < 1 || sep > s.size())
        return false;
    SplitStr(s, s.mid(sep - 1, 1), parts, 0, QString());
    return parts.size() == 3;
}

int partValue(const QStringList& parts, int i, int def)
{
    return StrToIntDef(Trim(parts[i]), def);
}

double dateOrToday(double date)
{
    return date == 0 ? Clock::now() : date;
}

} // namespace

bool ParseDate(const QString& Text, const Var& Default, QString& DateText, int PivotYear)
{
    QString pattern = DateText;
    DateText.clear();

    // Upper-cased without blanks; the tokens are views into it.
    QString text;
    text.reserve(Text.size());
    for (QChar c : Text) {
        if (c != QLatin1Char(' '))
            text += Cp1252::upper(c);
    }
    DateTokens tokens = dateTokens(text);
    const bool monthByName = tokens.size() >= 2 && !tokens[1].isEmpty() && isLetter(tokens[1][0]);

    // Missing parts come from the reference date, else from today.
    QStringList parts;
    if (tokens.size() < 3) {
        QString reference = referenceText(Default);
        if (reference.isEmpty())
            reference = DateToStr(Clock::today());
        // The short date starts with a two-digit day, so its separator is the third character.
        SplitStr(reference, reference.mid(2, 1), parts, 3, QString());
        while (tokens.size() < 3)
            tokens.append(parts[tokens.size()]);
    }

    int day;
    if (!TryStrToInt(tokens[0].toString(), day))
        day = 0;
    const int month = monthOfToken(tokens[1]);
    const int year = yearOfToken(tokens[2], PivotYear);
    if (!(year > 1 && year < 4000 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year)))
        return false;

    if (pattern.isEmpty())
        pattern = monthByName ? namedMonthPattern : defaultPattern;
    DateText = FormatDateTime(pattern, EncodeDate(year, month, day));
    return true;
}

bool IsDateText(const QString& S, bool AllowEmpty)
{
    if (Trim(S).isEmpty())
        return AllowEmpty;
    QStringList parts;
    if (!dateParts(maskedDigits(S), parts))
        return false;
    const int year = partValue(parts, 2, -1);
    const int month = partValue(parts, 1, 0);
    const int day = partValue(parts, 0, 0);
    return year >= 0 && year <= 9998 && month >= 1 && month <= 12 && day >= 1
        && day <= DaysInMonth(month, year);
}

bool SameDateText(const QString& A, const QString& B)
{
    QStringList a, b;
    if (!dateParts(maskedDigits(A), a) || !dateParts(maskedDigits(B), b))
        return false;
    // A part that is no number matches nothing, not even a typed "-1".
    for (int i = 0; i < 3; ++i) {
        int x, y;
        if (!TryStrToInt(Trim(a[i]), x) || !TryStrToInt(Trim(b[i]), y) || x != y)
            return false;
    }
    return true;
}

int DaysInFebruary(int Year)
{
    return (Year % 4 == 0 && Year % 100 > 0) || Year % 400 == 0 ? 29 : 28;
}

int DaysInMonth(int Month, int Year)
{
    switch (Month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return DaysInFebruary(Year);
    default: return 0;
    }
}

int DayOfWeekIso(double Date)
{
    // Day 0 was a Saturday; the remainders are kept in 0..6 for days before it too.
    const long long d = Trunc(dateOrToday(Date));
    const long long r = (d % 7 + 7) % 7;
    return int((r + 5) % 7) + 1;
}

QString MonthName(int Month, bool Short)
{
    static const char* const shortNames[] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                             "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    if (Month < 1 || Month > 12)
        return QString();
    return Short ? QString::fromLatin1(shortNames[Month - 1]) : GermanMonthName(Month);
}

int YearOfDate(double Date)
{
    int y, m, d;
    DecodeDate(dateOrToday(Date), y, m, d);
    return y;
}

int MonthOfDate(double Date)
{
    int y, m, d;
    DecodeDate(dateOrToday(Date), y, m, d);
    return m;
}

int DayOfDate(double Date)
{
    int y, m, d;
    DecodeDate(dateOrToday(Date), y, m, d);
    return d;
}

QString DateToText(bool Compact, bool ShortYear, int Mode, double Date)
{
    const QString year = ShortYear ? QStringLiteral("yy") : QStringLiteral("yyyy");
    // No caller asks for another mode; it gets the day-first pattern.
    const QString pattern = Mode == 1 ? year + QStringLiteral("mmdd")
                          : (Compact ? QStringLiteral("dd.mm.") : QStringLiteral("dd. mm. ")) + year;
    if (!std::isfinite(Date))
        return QString();
    const long long day = Trunc(Date);
    return day == 0 ? QString() : FormatDateTime(pattern, double(day));
}

QString TimeToText(bool Seconds, bool Millis, double Time)
{
    if (Time == 0)
        return QString();
    QString pattern = QStringLiteral("hh:nn");
    if (Seconds)
        pattern += QStringLiteral(":ss");
    if (Millis)
        pattern += QStringLiteral(":zzz");
    return FormatDateTime(pattern, Time);
}

QString FloatToText(bool Thousands, bool ZeroEmpty, long double Value)
{
    if (Value == 0 && ZeroEmpty)
        return QString();
    return FormatFloat(Thousands ? QStringLiteral("#,##0.00") : QStringLiteral("0.00"), Value);
}

} // namespace vdl
