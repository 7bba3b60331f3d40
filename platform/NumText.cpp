#include "platform/NumText.h"
#include "platform/Error.h"
#include "platform/Regional.h"
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace vdl {

namespace {

// A finite value as decimal digits: value = ±d0.d1d2... × 10^exponent.
// printf only supplies the 18 significant digits; every further rounding is ours,
// half away from zero, so that 0,125 shows as 0,13 whatever its binary value.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zero unless the value is 0
    int exponent = 0;

    bool isZero() const { return digits.find_first_not_of('0') == std::string::npos; }
};

Decimal toDecimal(long double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", value);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            d.digits += *p;
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

// Keeps `keep` significant digits (none when keep <= 0), rounding half away from zero.
void roundTo(Decimal& d, int keep)
{
    if (keep >= int(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits = "0";
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty())
        d.digits = "0";
}

QString specialText(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// The digit standing for 10^power (0 outside the digits kept).
char digitAt(const Decimal& d, int power)
{
    const int i = d.exponent - power;
    return i >= 0 && i < int(d.digits.size()) ? d.digits[i] : '0';
}

QString formatFixed(long double value, int decimals, bool grouping)
{
    Decimal d = toDecimal(value);
    roundTo(d, d.exponent + 1 + decimals);
    const Regional& r = Regional::current();
    QString s;
    const int top = std::max(d.exponent, 0);
    for (int p = top; p >= 0; --p) {
        s += QLatin1Char(digitAt(d, p));
        if (grouping && p > 0 && p % 3 == 0)
            s += r.thousandSeparator;
    }
    if (decimals > 0) {
        s += r.decimalSeparator;
        for (int p = -1; p >= -decimals; --p)
            s += QLatin1Char(digitAt(d, p));
    }
    if (d.negative && !d.isZero())
        s.prepend(QLatin1Char('-'));
    return s;
}

bool isTrimmed(QChar c) { return c.unicode() <= 0x20; }

QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isTrimmed(s[b]))
        ++b;
    while (e > b && isTrimmed(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

} // namespace

QString FormatFloat(const QString& pattern, long double value)
{
    if (!std::isfinite(value))
        return specialText(value);
    // Like the class library, a value with more than 18 integer digits is written in the
    // general format instead of as a long row of meaningless digits.
    if (std::fabs(value) >= 1e18L)
        return FloatToStr(value);
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(pattern.mid(point + 1).count(QLatin1Char('0')));
    const bool grouping = pattern.left(point < 0 ? pattern.size() : point).contains(QLatin1Char(','));
    return formatFixed(value, decimals, grouping);
}

QString FloatToStr(long double value)
{
    if (!std::isfinite(value))
        return specialText(value);
    Decimal d = toDecimal(value);
    roundTo(d, 15);
    if (d.isZero())
        return QStringLiteral("0");
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    const QChar sep = Regional::current().decimalSeparator;
    QString s;
    if (d.negative)
        s += QLatin1Char('-');
    if (d.exponent >= -4 && d.exponent < 15) {
        const int top = std::max(d.exponent, 0);
        for (int p = top; p >= 0; --p)
            s += QLatin1Char(digitAt(d, p));
        const int last = d.exponent - int(d.digits.size()) + 1; // power of the last digit
        if (last < 0) {
            s += sep;
            for (int p = -1; p >= last; --p)
                s += QLatin1Char(digitAt(d, p));
        }
    } else {
        s += QLatin1Char(d.digits[0]);
        if (d.digits.size() > 1) {
            s += sep;
            s += QLatin1String(d.digits.data() + 1, qsizetype(d.digits.size() - 1));
        }
        s += QLatin1Char('E') + QString::number(d.exponent);
    }
    return s;
}

bool TryStrToFloat(const QString& s, long double& value)
{
    const QString t = trimBlanks(s);
    const QChar sep = Regional::current().decimalSeparator;
    std::string c; // the same number in C notation
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        c += char(t[i++].unicode());
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (isDigit(t[i])) {
            c += char(t[i].unicode());
            ++digits;
        } else if (t[i] == sep && !point) {
            c += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return false;
    if (i < t.size() && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            c += char(t[i++].unicode());
        const qsizetype start = i;
        while (i < t.size() && isDigit(t[i]))
            c += char(t[i++].unicode());
        if (i == start)
            return false;
    }
    if (i != t.size())
        return false;
    const long double v = strtold_l(c.c_str(), nullptr, cLocale());
    if (std::isinf(v))
        return false;
    value = v;
    return true;
}

long double StrToFloat(const QString& s)
{
    long double v;
    if (!TryStrToFloat(s, v))
        throw ConvertError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(s));
    return v;
}

bool TryStrToInt(const QString& s, int& value)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) // leading blanks only, as the class library
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        negative = s[i++] == QLatin1Char('-');
    int base = 10;
    if (i < s.size() && s[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    }
    if (i == s.size())
        return false;
    long long magnitude = 0;
    for (; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        int v;
        if (u >= '0' && u <= '9')
            v = u - '0';
        else if (base == 16 && u >= 'a' && u <= 'f')
            v = u - 'a' + 10;
        else if (base == 16 && u >= 'A' && u <= 'F')
            v = u - 'A' + 10;
        else
            return false;
        magnitude = magnitude * base + v;
        if (magnitude > 0x80000000LL)
            return false;
    }
    const long long v = negative ? -magnitude : magnitude;
    if (v > 0x7FFFFFFFLL)
        return false;
    value = int(v);
    return true;
}

int StrToInt(const QString& s)
{
    int v;
    if (!TryStrToInt(s, v))
        throw ConvertError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(s));
    return v;
}

int StrToIntDef(const QString& s, int def)
{
    int v;
    return TryStrToInt(s, v) ? v : def;
}

QString IntToStr(long long value)
{
    return QString::number(value);
}

static long long toInt64(long double x)
{
    // 2^63 is exact in long double; anything outside cannot be stored.
    if (!(x >= -9223372036854775808.0L && x < 9223372036854775808.0L))
        throw FloatError::invalidOperation();
    return static_cast<long long>(x);
}

long long Trunc(long double x)
{
    return toInt64(std::trunc(x));
}

long long Round(long double x)
{
    return toInt64(std::nearbyint(x));
}

} // namespace vdl
