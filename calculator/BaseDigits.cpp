#include "calculator/BaseDigits.h"
#include "calculator/Codes.h"
#include "toolkit/vdlTools_numbers.h"
#include <cmath>

namespace vdl {

QString BaseDigits(long double Value, int System)
{
    // The toolkit writes no digit for 0; a window in a base shows its zero.
    const QString digits = IntToBase(Var(Value), System);
    return digits.isEmpty() && NumberSystem::isBase(System) ? QStringLiteral("0") : digits;
}

QString SignedBaseDigits(long double Value, int System)
{
    const QString digits = BaseDigits(std::fabs(Value), System);
    return Value < 0 && digits != QLatin1String("0") ? QLatin1Char('-') + digits : digits;
}

} // namespace vdl
