#include "platform/CheckedMath.h"
#include <cmath>

namespace vdl::fp {

long double check(long double r)
{
    if (std::isnan(r))
        throw FloatError::invalidOperation();
    if (std::isinf(r))
        throw FloatError::overflow();
    return r;
}

long double add(long double a, long double b) { return check(a + b); }
long double sub(long double a, long double b) { return check(a - b); }
long double mul(long double a, long double b) { return check(a * b); }

long double div(long double a, long double b)
{
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            throw FloatError::invalidOperation();
        throw FloatError::divisionByZero();
    }
    return check(a / b);
}

long double power(long double base, long double exponent)
{
    if (base == 0 && exponent < 0)
        throw FloatError::divisionByZero();
    // powl would return NaN here; the message must say why.
    if (base < 0 && exponent != std::trunc(exponent))
        throw FloatError::invalidOperation();
    return check(std::pow(base, exponent));
}

long double sqrt(long double x)
{
    if (x < 0)
        throw FloatError::invalidOperation();
    return check(std::sqrt(x));
}

// The logarithm of 0 is minus infinity: the processor reports it as a division by zero.
static void checkLogArgument(long double x)
{
    if (x < 0 || std::isnan(x))
        throw FloatError::invalidOperation();
    if (x == 0)
        throw FloatError::divisionByZero();
}

long double ln(long double x)
{
    checkLogArgument(x);
    return check(std::log(x));
}

long double log10(long double x)
{
    checkLogArgument(x);
    return check(std::log10(x));
}

long double sin(long double x) { return check(std::sin(x)); }
long double cos(long double x) { return check(std::cos(x)); }
long double tan(long double x) { return check(std::tan(x)); }

} // namespace vdl::fp
