#pragma once
// Number systems (bases 1 to 36, roman numerals as base -1) and small numeric helpers.
#include "platform/Var.h"
#include <QString>

namespace vdl {

// Digits of the integer part of Value in Base (2..36), or the roman numeral for Base -1.
// Values below 1 give ''; the caller writes the sign itself.
QString IntToBase(const Var& Value, int Base);
// Value of the digit text S in Base (1..36, roman for -1); 0 for anything that is no digit text.
long double BaseToFloat(const QString& S, int Base);
int RomanToInt(const QString& S);
QString IntToRoman(int N);
// -1, 0 or 1; 0 for a text that is no number.
int VarSign(const Var& V);
// Stored rates: a decimal comma is read whatever the regional separator; 0 on failure.
long double StrToFloatLoose(const QString& S);
// Remainder with the sign of A; raises IntDivError for B = 0.
int IntMod(int A, int B);

} // namespace vdl
