#include "platform/NumText.h"
#include "platform/Error.h"
#include "platform/Regional.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace vdl {

namespace {

// A finite value as decimal digits: value = ±d0.d1d2... × 10^exponent.
// The 18 significant digits are the exactly rounded ones of the binary value; every
// further rounding is ours, half away from zero, so that 0,125 shows as 0,13 whatever its
// binary value.
struct Decimal {
    bool negative = false;
    char digits[20]; // no leading zero unless the value is 0
    int count = 0;
    int exponent = 0;

    bool isZero() const { return std::all_of(digits, digits + count, [](char c) { return c == '0'; }); }
};

bool g_libraryDigitsOnly = false;

// std::to_chars writes the same exactly rounded digits whatever the C library's LC_NUMERIC
// says; its decimal point is always '.'.
Decimal toDecimalByLibrary(long double value)
{
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 17);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            d.digits[d.count++] = *p;
    }
    ++p;
    if (*p == '+')
        ++p;
    std::from_chars(p, written.ptr, d.exponent);
    return d;
}

// The same digits in integer arithmetic, several times faster than std::to_chars, for the values a
// calculator mostly shows (about 1E-10 <= |x| < 1E18); false for any other value.
bool toDecimalExact(long double value, Decimal& d)
{
    constexpr unsigned long long lowest = 100000000000000000ULL; // 10^17
    static constexpr auto powersOf5 = [] {
        std::array<unsigned long long, 28> t{1};
        for (std::size_t k = 1; k < t.size(); ++k)
            t[k] = t[k - 1] * 5;
        return t;
    }();
    using u128 = unsigned __int128;
    d.negative = std::signbit(value);
    if (value == 0) {
        std::fill_n(d.digits, 18, '0');
        d.count = 18;
        d.exponent = 0;
        return true;
    }
    int e2;
    const long double f = std::frexp(std::fabs(value), &e2); // |value| = f * 2^e2, 0.5 <= f < 1
    const u128 m = static_cast<unsigned long long>(std::ldexp(f, 64));
    const int e = e2 - 64; // |value| = m * 2^e exactly
    // log10 |value| lies in [(e2 - 1) log10 2, e2 log10 2): the estimate is right or one low.
    int exponent = int(std::floor((e2 - 1) * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int s = 17 - exponent; // |value| * 10^s has 18 digits before the point
        if (s < 0 || s > 27)         // 5^27 * m still fits into 128 bits
            return false;
        // Checked: should the guard above ever let a value through, it must not read past the table.
        u128 p = m * powersOf5.at(std::size_t(s));
        const int shift = e + s; // |value| * 10^s = p * 2^shift
        bool up = false;
        if (shift >= 0) {
            if (shift > 63 || (p >> (127 - shift)) != 0)
                return false;
            p <<= shift;
        } else {
            const int r = -shift;
            if (r > 126)
                return false;
            const u128 rest = p & ((u128(1) << r) - 1), half = u128(1) << (r - 1);
            p >>= r;
            up = rest > half || (rest == half && (p & 1)); // ties to even, as std::to_chars
        }
        if (p < lowest) {
            --exponent;
            continue;
        }
        if (p >= 10 * u128(lowest)) {
            ++exponent;
            continue;
        }
        unsigned long long q = static_cast<unsigned long long>(p) + up;
        if (q == 10 * lowest) {
            q = lowest;
            ++exponent;
        }
        for (int i = 17; i >= 0; --i, q /= 10)
            d.digits[i] = char('0' + q % 10);
        d.count = 18;
        d.exponent = exponent;
        return true;
    }
    return false;
}

Decimal toDecimal(long double value)
{
    Decimal d;
    if (!g_libraryDigitsOnly && toDecimalExact(value, d))
        return d;
    return toDecimalByLibrary(value);
}

// Keeps `keep` significant digits (none when keep <= 0), rounding half away from zero.
void roundTo(Decimal& d, int keep)
{
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.digits[0] = '0';
        d.count = 1;
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            std::memmove(d.digits + 1, d.digits, d.count);
            d.digits[0] = '1';
            ++d.count;
            ++d.exponent;
        }
    }
    if (d.count == 0) {
        d.digits[0] = '0';
        d.count = 1;
    }
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
    return i >= 0 && i < d.count ? d.digits[i] : '0';
}

// Like the class library, a value with more than 18 integer digits (after rounding to the
// decimals shown) is written in the general format instead of as a long row of meaningless
// digits.
QString formatFixed(long double value, int decimals, bool grouping)
{
    Decimal d = toDecimal(value);
    roundTo(d, d.exponent + 1 + decimals);
    if (d.exponent >= 18)
        return FloatToStr(value);
    const Regional& r = Regional::current();
    QString s;
    s.reserve(32);
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
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView whole = QStringView(pattern).left(point < 0 ? pattern.size() : point);
    const int decimals = point < 0 ? 0 : int(QStringView(pattern).mid(point + 1).count(QLatin1Char('0')));
    const bool grouping = whole.contains(QLatin1Char(','));
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
    while (d.digits[d.count - 1] == '0')
        --d.count;
    const QChar sep = Regional::current().decimalSeparator;
    QString s;
    s.reserve(24);
    if (d.negative)
        s += QLatin1Char('-');
    if (d.exponent >= -4 && d.exponent < 15) {
        const int top = std::max(d.exponent, 0);
        for (int p = top; p >= 0; --p)
            s += QLatin1Char(digitAt(d, p));
        const int last = d.exponent - d.count + 1; // power of the last digit
        if (last < 0) {
            s += sep;
            for (int p = -1; p >= last; --p)
                s += QLatin1Char(digitAt(d, p));
        }
    } else {
        s += QLatin1Char(d.digits[0]);
        if (d.count > 1) {
            s += sep;
            s += QLatin1String(d.digits + 1, d.count - 1);
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

IntText ReadInt64(const QString& s, long long& value)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) // leading blanks only, as the class library
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        negative = s[i++] == QLatin1Char('-');
    unsigned base = 10;
    if (i < s.size() && s[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    }
    if (i == s.size())
        return IntText::NoInteger;
    const unsigned long long limit = negative ? 0x8000000000000000ULL : 0x7FFFFFFFFFFFFFFFULL;
    unsigned long long magnitude = 0;
    bool beyond = false;
    for (; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        unsigned digit;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (base == 16 && u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else if (base == 16 && u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else
            return IntText::NoInteger;
        if (beyond || magnitude > (limit - digit) / base)
            beyond = true;
        else
            magnitude = magnitude * base + digit;
    }
    if (beyond)
        return IntText::Beyond;
    value = negative ? static_cast<long long>(0 - magnitude) : static_cast<long long>(magnitude);
    return IntText::Ok;
}

bool TryStrToInt(const QString& s, int& value)
{
    long long v = 0;
    if (ReadInt64(s, v) != IntText::Ok || v < -0x80000000LL || v > 0x7FFFFFFFLL)
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

void detail::setLibraryDigitsOnly(bool on)
{
    g_libraryDigitsOnly = on;
}

} // namespace vdl
