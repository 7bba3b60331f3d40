#include "calculator/LayoutName.h"
#include "platform/Cp1252.h"

namespace vdl {

bool LayoutCanHoldName(const QString& Name)
{
    const QString separator = QStringLiteral("-ßß-");
    return !Name.contains(separator) && !Name.endsWith(separator.chopped(1)) && !Name.contains(QLatin1Char('\r'))
           && !Name.contains(QLatin1Char('\n')) && Cp1252::canEncode(Name);
}

} // namespace vdl
