#include "calculator/TimeText.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "platform/Regional.h"
#include <QStringList>
#include <cmath>

namespace vdl {

namespace {

constexpr long double maxHours = 1e12L;

bool allDigits(const QString& s)
{
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString twoDigits(long long n)
{
    return (n < 10 ? QStringLiteral("0") : QString()) + IntToStr(n);
}

} // namespace

bool ReadDuration(const QString& text, long double& hours)
{
    QString s = text;
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s.remove(0, 1);
    if (s.isEmpty() || s == QLatin1String(":") || s == QLatin1String("::"))
        return false;
    long double value = 0;
    if (!s.contains(QLatin1Char(':'))) {
        // A number of hours: digits and the decimal separator, no sign or exponent.
        QString digits = s;
        if (!allDigits(digits.remove(Regional::current().decimalSeparator)) || digits.isEmpty()
            || !TryStrToFloat(s, value))
            return false;
    } else {
        const QStringList parts = s.split(QLatin1Char(':'));
        if (parts.size() > 3)
            return false;
        long double factor = 1;
        for (qsizetype i = 0; i < parts.size(); ++i, factor /= 60) {
            const QString& part = parts[i];
            if (!allDigits(part) || part.size() > 13)
                return false;
            const long long n = part.isEmpty() ? 0 : part.toLongLong();
            if (i > 0 && n > 59)
                return false;
            value += n * factor;
        }
    }
    if (value >= maxHours)
        return false;
    hours = negative ? -value : value;
    return true;
}

long double RoundToSeconds(long double hours)
{
    if (!(std::fabs(hours) < maxHours))
        throw FloatError::overflow();
    return std::roundl(hours * 3600) / 3600;
}

QString DurationText(long double hours)
{
    const long double seconds = std::roundl(RoundToSeconds(hours) * 3600);
    const long long total = std::llroundl(std::fabs(seconds));
    const long long h = total / 3600, m = total / 60 % 60, sec = total % 60;
    QString out = (seconds < 0 && total > 0 ? QStringLiteral("-") : QString()) + IntToStr(h) + QLatin1Char(':')
                  + twoDigits(m);
    if (sec != 0)
        out += QLatin1Char(':') + twoDigits(sec);
    return out;
}

} // namespace vdl
