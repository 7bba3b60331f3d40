// Number texts: reading, the general format and the fixed patterns, for typed texts and for
// any 80-bit value.
//
// Input: a flags byte (bit 0 English separators, bit 1 a value follows), then, with bit 1,
// ten bytes of an 80-bit value; then lines: a number text and a pattern for FormatFloat.
#include "fuzz/FuzzInput.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include <cfloat>
#include <cmath>

using namespace vdl;
using namespace vdl::fuzz;

namespace {

// A fixed text without its grouping separators; empty when the text is no fixed number.
QString withoutGrouping(const QString& s)
{
    QString t = s;
    t.remove(Regional::current().thousandSeparator);
    return t;
}

qsizetype integerDigits(const QString& s)
{
    qsizetype n = 0;
    for (QChar c : s) {
        if (c == Regional::current().decimalSeparator)
            break;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++n;
    }
    return n;
}

void checkFixed(const QString& pattern, long double value)
{
    const QString shown = FormatFloat(pattern, value);
    if (!std::isfinite(value) || std::fabs(value) >= 1e18L)
        return; // special texts and the general format
    // From 1E18 on the general format takes over, so a fixed text never has 19 digits.
    check(integerDigits(shown) <= 18, "FormatFloat: at most 18 integer digits", pattern + QLatin1Char(' ') + shown);
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(pattern.mid(point + 1).count(QLatin1Char('0')));
    long double back = 0;
    check(TryStrToFloat(withoutGrouping(shown), back), "FormatFloat: the text reads back", shown);
    // Rounded to the places shown, on 18 significant digits.
    const long double tolerance = 0.5L * std::pow(10.0L, -decimals) + std::fabs(value) * 1e-17L;
    check(std::fabs(back - value) <= tolerance * 1.0001L, "FormatFloat: the text is the value", shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const uint8_t flags = in.byte();
    useSeparators(flags & 1);
    long double value = 0;
    bool haveValue = flags & 2;
    if (haveValue)
        value = in.float80();
    const QString text = in.text();
    const QString pattern = in.text();

    long double read = 0;
    const bool readable = TryStrToFloat(text, read);
    try {
        check(StrToFloat(text) == read || std::isnan(read), "StrToFloat agrees with TryStrToFloat", text);
        check(readable, "StrToFloat raises for what TryStrToFloat refuses", text);
    } catch (const ConvertError&) {
        check(!readable, "StrToFloat raises only for what TryStrToFloat refuses", text);
    }
    if (readable) {
        check(std::isfinite(read), "StrToFloat gives a finite value", text);
        if (!haveValue) {
            value = read;
            haveValue = true;
        }
    }
    int i = 0;
    if (TryStrToInt(text, i))
        check(StrToIntDef(text, i ^ 1) == i, "StrToIntDef agrees with TryStrToInt", text);
    if (!haveValue)
        return 0;

    const QString general = FloatToStr(value);
    // What the general format shows reads back as the value, to its 15 digits; outside the
    // normal range the digits shown are not all the value's.
    const long double magnitude = std::fabs(value);
    if (std::isfinite(value) && magnitude >= LDBL_MIN * 1e20L && magnitude <= LDBL_MAX / 2) {
        long double back = 0;
        check(TryStrToFloat(general, back), "FloatToStr: the text reads back", general);
        check(std::fabs(back - value) <= magnitude * 1e-14L, "FloatToStr: the text is the value", general);
    }
    for (const char* fixed : {"0", "0.00", "#,##0", "#,##0.00", "0.00000000"})
        checkFixed(QLatin1String(fixed), value);
    checkFixed(pattern, value);

    try {
        Trunc(value);
    } catch (const FloatError&) {
    }
    try {
        Round(value);
    } catch (const FloatError&) {
    }
    return 0;
}
