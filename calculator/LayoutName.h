#pragma once
// Window names as a layout file keeps them: one field of a Windows-1252 line whose fields are
// joined by "-ßß-".
#include <QString>

namespace vdl {

// False for a name the file could not give back as it was: one holding the separator, one
// ending in "-ßß" (it would run into the separator after it), a line break, or a character
// outside Windows-1252.
bool LayoutCanHoldName(const QString& Name);

} // namespace vdl
