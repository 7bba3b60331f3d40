#pragma once
#include <QString>

namespace vdl {

// The program folder with a trailing '/', overridable in tests.
QString ExeDir();
void setExeDir(const QString& dir); // empty = the application's own folder again

} // namespace vdl
