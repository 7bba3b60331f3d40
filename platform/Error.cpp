#include "platform/Error.h"

namespace vdl {

FloatError FloatError::divisionByZero()
{
    return FloatError(QStringLiteral("Gleitkommadivision durch Null"));
}

FloatError FloatError::invalidOperation()
{
    return FloatError(QStringLiteral("Ungültige Gleitkommaoperation"));
}

FloatError FloatError::overflow()
{
    return FloatError(QStringLiteral("Gleitkommaüberlauf"));
}

} // namespace vdl
