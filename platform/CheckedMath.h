#pragma once
// Arithmetic on long double that raises FloatError where the processor would trap:
// results are computed into locals and only returned after the check.
#include "platform/Error.h"
#include <limits>

namespace vdl::fp {

static_assert(std::numeric_limits<long double>::digits == 64, "80-bit extended precision needed");

long double check(long double r);            // inf -> overflow, NaN -> invalid
long double add(long double a, long double b);
long double sub(long double a, long double b);
long double mul(long double a, long double b);
long double div(long double a, long double b); // 0/0 invalid, x/0 division by zero
long double power(long double base, long double exponent);
long double sqrt(long double x);
long double ln(long double x);
long double log10(long double x);
long double sin(long double x);
long double cos(long double x);
long double tan(long double x);

} // namespace vdl::fp
