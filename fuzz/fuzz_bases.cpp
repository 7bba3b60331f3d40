// Number systems: digit texts in bases 1 to 36 and roman numerals, both ways.
//
// Input: a base byte (taken modulo 40, minus 2: -2 to 37, so -1 is roman and the ends lie
// outside), a flags byte (bit 0 English separators), ten bytes of an 80-bit value, two
// 32-bit numbers, then the digit text.
#include "fuzz/FuzzInput.h"
#include "platform/Error.h"
#include "toolkit/vdlTools_numbers.h"
#include <cmath>

using namespace vdl;
using namespace vdl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const int base = in.byte() % 40 - 2;
    useSeparators(in.byte() & 1);
    const long double value = in.float80();
    const int32_t number = in.int32();
    const int32_t divisor = in.int32();
    const QString digits = in.text(0);

    const long double read = BaseToFloat(digits, base);
    RomanToInt(digits);
    IntToBase(Var(read), base);
    IntToBase(Var(digits), base); // a text that is no number gives ''
    VarSign(Var(digits));
    StrToFloatLoose(digits);

    const QString written = IntToBase(Var(value), base);
    // Below 2^64 the digits are exact: they read back as the integer part.
    if (base >= 2 && base <= 36 && value >= 1 && value < 0x1p64L) {
        check(BaseToFloat(written, base) == std::trunc(value), "IntToBase reads back", written);
    }

    // A numeral has one M per thousand; beyond a few thousand of them a run measures only
    // the allocator.
    const int n = number % 5000000;
    const QString roman = IntToRoman(n);
    if (n > 0)
        check(RomanToInt(roman) == n, "IntToRoman reads back", QString::number(n));
    else
        check(roman.isEmpty(), "IntToRoman has no numeral below 1", QString::number(n));
    try {
        IntMod(number, divisor);
    } catch (const Error&) {
    }
    return 0;
}
