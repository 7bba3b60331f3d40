#include "platform/DateTimeText.h"
#include "platform/Clock.h"
#include "platform/Error.h"
#include "platform/Regional.h"
#include <QDate>
#include <QStringList>
#include <cmath>

namespace vdl {

namespace {

constexpr qint64 kJulianDayOfZero = 2415019; // 30.12.1899
constexpr double kMinDate = -693593;         // 01.01.0001
constexpr double kMaxDate = 2958466;         // 01.01.10000
constexpr double kMsecsPerDay = 86400000.0;

// Milliseconds of the day; a fraction that rounds up to the next day stays at 23:59:59.999
// so that date and time of one value never disagree. A value that is no number has none.
int msecsOfDay(double dateTime)
{
    if (!std::isfinite(dateTime))
        return 0;
    const double ms = std::nearbyint(std::fabs(dateTime - std::trunc(dateTime)) * kMsecsPerDay);
    return int(std::min(ms, kMsecsPerDay - 1));
}

// Appends a non-negative value with at least `width` digits (leading zeros).
void appendNumber(QString& out, int value, int width)
{
    char buf[12];
    int n = 0;
    do {
        buf[n++] = char('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n < width)
        buf[n++] = '0';
    while (n > 0)
        out += QLatin1Char(buf[--n]);
}

char16_t asciiLower(QChar c)
{
    const char16_t u = c.unicode();
    return u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u;
}

// Format letters and the longest run each takes ("dddd", "yyyy", "hh", "zzz"); 0 = no letter.
// A longer run starts the next field, so "yyyyyy" is "yyyy" then "yy".
int longestRun(char16_t letter)
{
    switch (letter) {
    case 'd': case 'm': case 'y': return 4;
    case 'z': return 3;
    case 'h': case 'n': case 's': return 2;
    default: return 0;
    }
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

bool TryEncodeDate(int year, int month, int day, double& date)
{
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return false;
    date = double(QDate(year, month, day).toJulianDay() - kJulianDayOfZero);
    return true;
}

double EncodeDate(int year, int month, int day)
{
    double d;
    if (!TryEncodeDate(year, month, day, d))
        throw ConvertError(QStringLiteral("Ungültiges Argument für Datumskodierung"));
    return d;
}

void DecodeDate(double date, int& year, int& month, int& day)
{
    const double whole = std::trunc(date);
    if (!(whole >= kMinDate && whole < kMaxDate)) {
        year = month = day = 0;
        return;
    }
    QDate::fromJulianDay(kJulianDayOfZero + qint64(whole)).getDate(&year, &month, &day);
}

bool TryEncodeTime(int hour, int min, int sec, int msec, double& time)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        return false;
    time = (((hour * 60 + min) * 60 + sec) * 1000 + msec) / kMsecsPerDay;
    return true;
}

void DecodeTime(double time, int& hour, int& min, int& sec, int& msec)
{
    int ms = msecsOfDay(time);
    msec = ms % 1000;
    ms /= 1000;
    sec = ms % 60;
    ms /= 60;
    min = ms % 60;
    hour = ms / 60;
}

int DayOfWeek(double date)
{
    int y, m, d;
    DecodeDate(date, y, m, d);
    if (y == 0)
        return 0;
    return QDate(y, m, d).dayOfWeek() % 7 + 1;
}

QString FormatDateTime(const QString& format, double dateTime)
{
    if (!std::isfinite(dateTime))
        return QString();
    int year, month, day, hour, min, sec, msec;
    DecodeDate(dateTime, year, month, day);
    DecodeTime(dateTime, hour, min, sec, msec);
    const Regional& r = Regional::current();
    QString out;
    out.reserve(format.size() + 16);
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = format.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += QStringView(format).mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const char16_t letter = asciiLower(c);
        const int longest = longestRun(letter);
        if (longest == 0) {
            out += c == QLatin1Char('/') ? r.dateSeparator : c == QLatin1Char(':') ? r.timeSeparator : c;
            ++i;
            continue;
        }
        int n = 1;
        while (n < longest && i + n < format.size() && asciiLower(format[i + n]) == letter)
            ++n;
        i += n;
        switch (letter) {
        case 'd':
            if (n <= 2)
                appendNumber(out, day, n);
            else
                out += QStringView(GermanDayName(DayOfWeek(dateTime))).left(n == 3 ? 2 : -1);
            break;
        case 'm':
            if (n <= 2)
                appendNumber(out, month, n);
            else
                out += QStringView(GermanMonthName(month)).left(n == 3 ? 3 : -1);
            break;
        case 'y':
            if (n <= 2)
                appendNumber(out, year % 100, 2);
            else
                appendNumber(out, year, 4);
            break;
        case 'h': appendNumber(out, hour, n); break;
        case 'n': appendNumber(out, min, n); break;
        case 's': appendNumber(out, sec, n); break;
        case 'z': appendNumber(out, msec, n < 3 ? 1 : 3); break;
        }
    }
    return out;
}

QString DateToStr(double date)
{
    return FormatDateTime(Regional::current().shortDateFormat, date);
}

bool TryStrToDate(const QString& s, double& date)
{
    const Regional& r = Regional::current();
    QStringList fields = s.split(r.dateSeparator);
    if (fields.size() < 2 || fields.size() > 3)
        return false;
    for (QString& f : fields) {
        f = f.trimmed();
        if (f.isEmpty() || f.size() > 4)
            return false;
        for (QChar c : f) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        }
    }
    // Day, month and year stand in the order of the short date format; without a year
    // the current one is meant.
    const QString order = r.shortDateFormat.toLower();
    const qsizetype pd = order.indexOf(QLatin1Char('d')), pm = order.indexOf(QLatin1Char('m')),
                    py = order.indexOf(QLatin1Char('y'));
    const bool yearFirst = fields.size() == 3 && py < pm && py < pd;
    const qsizetype first = yearFirst ? 1 : 0;
    const bool monthFirst = pm < pd;
    const int month = fields[first + (monthFirst ? 0 : 1)].toInt();
    const int day = fields[first + (monthFirst ? 1 : 0)].toInt();
    int year, thisMonth, thisDay;
    if (fields.size() == 2) {
        DecodeDate(Clock::today(), year, thisMonth, thisDay);
    } else {
        const QString yearText = fields[yearFirst ? 0 : 2];
        year = yearText.toInt();
        if (yearText.size() <= 2)
            year += year < 50 ? 2000 : 1900;
    }
    return TryEncodeDate(year, month, day, date);
}

double StrToDate(const QString& s)
{
    double d;
    if (!TryStrToDate(s, d))
        throw ConvertError(QStringLiteral("'%1' ist kein gültiges Datum").arg(s));
    return d;
}

// Literal tables: formatting a date allocates nothing but its result.
QString GermanMonthName(int month)
{
    static const QString names[] = {
        QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"),
        QStringLiteral("April"), QStringLiteral("Mai"), QStringLiteral("Juni"),
        QStringLiteral("Juli"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")};
    return month >= 1 && month <= 12 ? names[month - 1] : QString();
}

QString GermanDayName(int dayOfWeek)
{
    static const QString names[] = {QStringLiteral("Sonntag"), QStringLiteral("Montag"),
                                    QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"),
                                    QStringLiteral("Donnerstag"), QStringLiteral("Freitag"),
                                    QStringLiteral("Samstag")};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? names[dayOfWeek - 1] : QString();
}

} // namespace vdl
