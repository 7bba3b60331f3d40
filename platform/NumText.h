#pragma once
// Number texts on long double, independent of the host locale (the C library's LC_NUMERIC
// included) and of printf rounding.
// Separators come from Regional.
#include <QString>

namespace vdl {

// Patterns "0", "0.00" (any number of zeros), "#,##0", "#,##0.00": digits rounded half away
// from zero on the value's 18 significant decimal digits; "-" only when a digit is non-zero.
QString FormatFloat(const QString& pattern, long double value);

// General format: 15 significant digits, trailing zeros removed, fixed notation when
// 0,0001 <= |x| < 1E15, else mantissa "E" exponent ("1E15", "1,5E-7"); -0 gives "0".
QString FloatToStr(long double value);

// Regional decimal separator only, optional sign, optional exponent; "12," and ",5" pass,
// grouping, inf, nan and hex do not. StrToFloat raises ConvertError
// ("'<text>' ist kein gültiger Gleitkommawert").
long double StrToFloat(const QString& s);
bool TryStrToFloat(const QString& s, long double& value);

// Optional sign, decimal or "$" hex, 32-bit range; raises ConvertError
// ("'<text>' ist kein gültiger Integerwert").
int StrToInt(const QString& s);
bool TryStrToInt(const QString& s, int& value);
int StrToIntDef(const QString& s, int def);
// The same text read as a 64-bit integer: Beyond for a well-formed integer outside its range.
enum class IntText { Ok, NoInteger, Beyond };
IntText ReadInt64(const QString& s, long long& value);
QString IntToStr(long long value);

long long Trunc(long double x); // towards zero; raises FloatError when out of range
long long Round(long double x); // halves to even; raises FloatError when out of range

namespace detail {
// Digits come from exact integer arithmetic where it applies and from std::to_chars otherwise;
// tests switch the latter on for every value to compare both.
void setLibraryDigitsOnly(bool on);
} // namespace detail

} // namespace vdl
