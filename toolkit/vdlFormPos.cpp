#include "toolkit/vdlFormPos.h"

namespace vdl {

void RestoreFormPos(QWidget*, const QString&) {}
void SaveFormPos(QWidget*, const QString&) {}

} // namespace vdl
