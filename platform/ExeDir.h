#pragma once
#include <QString>

namespace vdl {

// The program folder with a trailing '/', overridable in tests.
QString ExeDir();
void setExeDir(const QString& dir); // empty = the application's own folder again

// The folder of the running program's file as the kernel knows it, with a trailing '/': the
// one place code is loaded from. Never overridden, so tests that move ExeDir() elsewhere
// still load from where they were built.
QString ProgramDir();

} // namespace vdl
