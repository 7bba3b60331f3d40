#include "toolkit/vdlTools_numbers.h"

#include "platform/Cp1252.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "platform/Regional.h"

#include <QVarLengthArray>
#include <algorithm>
#include <climits>
#include <cmath>

namespace vdl {

namespace {

const QString digitSet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// Digit value of c in upper or lower case, -1 for a character outside the digit set.
int digitValue(QChar c)
{
    const char16_t u = Cp1252::upper(c).unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'Z')
        return u - 'A' + 10;
    return -1;
}

int romanLetterValue(QChar c)
{
    switch (c.unicode()) {
    case 'I': return 1;
    case 'V': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
    }
}

QString romanOfValue(long double value)
{
    const long double n = std::nearbyintl(value); // halves to the even neighbour
    if (!(n >= INT_MIN && n <= INT_MAX))
        return QString();
    return IntToRoman(static_cast<int>(n));
}

} // namespace

QString IntToBase(const Var& Value, int Base)
{
    long double value;
    try {
        value = Value.toFloat();
    } catch (const Error&) {
        return QString();
    }
    if (!std::isfinite(value))
        return QString();
    if (Base == -1)
        return romanOfValue(value);
    if (Base < 2 || Base > 36)
        return QString();
    if (value < 1)
        return QString(); // no digit for 0, negatives and fractions below 1

    // Below 2^64 the integer part is exact, and integer division gives its digits fastest.
    if (value < 0x1p64L) {
        char16_t digits[64];
        int i = 64;
        for (auto n = static_cast<unsigned long long>(value); n > 0; n /= Base)
            digits[--i] = digitSet[n % Base].unicode();
        return QString(reinterpret_cast<const QChar*>(digits + i), 64 - i);
    }

    // Larger values: the digits are taken from the highest power of Base not below the value
    // downwards. Powers by repeated multiplication stay exact as far as the mantissa reaches.
    QVarLengthArray<long double, 128> powers;
    long double p = 0;
    while (value > p) {
        p = powers.isEmpty() ? 1.0L : powers.last() * Base;
        powers.append(p);
    }
    QString result;
    for (auto k = powers.size() - 1; k >= 0; --k) {
        p = powers[k];
        if (p <= value) {
            const int digit = static_cast<int>(std::min<long double>(std::truncl(value / p), Base - 1));
            result += digitSet[digit];
            value -= digit * p;
        } else if (!result.isEmpty()) {
            result += QLatin1Char('0');
        }
    }
    return result;
}

long double BaseToFloat(const QString& S, int Base)
{
    if (Base == -1)
        return RomanToInt(S);
    if (Base < 1 || Base > 36 || S.isEmpty())
        return 0;
    long double sum = 0;
    long double power = 1;
    for (auto i = S.size() - 1; i >= 0; --i) {
        const int digit = digitValue(S[i]);
        if (digit < 0 || digit >= Base)
            return 0;
        // Leading zeros add nothing, even where the power has run out of range (0 × ∞).
        if (digit != 0)
            sum += digit * power;
        power *= Base;
    }
    return sum;
}

int RomanToInt(const QString& S)
{
    // Deliberately lenient: the sign changes only where the letter value changes, so
    // "IIX" reads as 8 and letters without a roman value count 0.
    const QString s = Cp1252::upper(S);
    long long total = 0;
    int prev = 0;
    int sign = 1;
    for (auto i = s.size() - 1; i >= 0; --i) {
        const int v = romanLetterValue(s[i]);
        if (v > prev)
            sign = 1;
        else if (v < prev)
            sign = -1;
        total += sign * v;
        prev = v;
    }
    return static_cast<int>(total);
}

QString IntToRoman(int N)
{
    if (N <= 0)
        return QString();
    struct Entry {
        const char* letters;
        int value;
        bool repeated;
    };
    static const Entry table[] = {
        {"CM", 900, false}, {"D", 500, false}, {"CD", 400, false}, {"C", 100, true},
        {"XC", 90, false},  {"L", 50, false},  {"XL", 40, false},  {"X", 10, true},
        {"IX", 9, false},   {"V", 5, false},   {"IV", 4, false},   {"I", 1, true},
    };
    QString result;
    result.reserve(N / 1000 + 16);
    result.fill(QLatin1Char('M'), N / 1000);
    int rest = N % 1000;
    for (const Entry& e : table) {
        while (rest >= e.value) {
            result += QLatin1String(e.letters);
            rest -= e.value;
            if (!e.repeated)
                break;
        }
    }
    return result;
}

int VarSign(const Var& V)
{
    long double v;
    try {
        v = V.toFloat();
    } catch (const Error&) {
        return 0;
    }
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

long double StrToFloatLoose(const QString& S)
{
    const bool negative = S.contains(QLatin1Char('-'));
    QString s = S;
    s.remove(QLatin1Char('-')).remove(QLatin1Char('+'));
    if (s.contains(QLatin1Char(',')) && Regional::current().decimalSeparator == QLatin1Char('.'))
        s.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    long double value;
    if (!TryStrToFloat(s, value))
        return 0;
    return negative ? -value : value;
}

int IntMod(int A, int B)
{
    if (B == 0)
        throw IntDivError();
    if (B == -1)
        return 0; // also keeps INT_MIN % -1 from trapping
    return A % B;
}

} // namespace vdl
