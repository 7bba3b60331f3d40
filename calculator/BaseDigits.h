#pragma once
// How the bases and roman numerals of a window write a value: on the display, on the tape,
// for a memory in another system and for the office hand-off.
#include <QString>

namespace vdl {

// The digits of the integer part of Value (taken as not below 0) in System, a base 2..32 or
// roman numerals (-1). In a base a value below 1 is "0". Roman numerals have no zero: they
// write the nearest integer, and '' where that is 0.
QString BaseDigits(long double Value, int System);

// As the display shows a result: "-" before a negative value, but never before "0".
QString SignedBaseDigits(long double Value, int System);

} // namespace vdl
