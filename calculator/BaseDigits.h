#pragma once
// How the bases and roman numerals of a window write a value: on the display, on the tape,
// for a memory in another system and for the office hand-off.
#include <QString>

namespace vdl {

// The digits of Value (taken as not below 0) in System, a base 2..32 or roman numerals (-1).
// A base writes the integer part, and "0" for a value below 1. Roman numerals write the
// nearest integer, a half going to the even one (2,5 is II, 3,5 is IV); they have no zero
// and write '' where that is 0.
QString BaseDigits(long double Value, int System);

// As the display shows a result: "-" before a negative value, but never before "0".
QString SignedBaseDigits(long double Value, int System);

} // namespace vdl
