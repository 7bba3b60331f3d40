#pragma once
// Dialog positions and fixed fonts kept in the settings store.
#include <QString>

class QWidget;

namespace vdl {

// First thing when a dialog is created: rescale to 96 dpi, take the fixed font and, when
// position saving is switched on, put the dialog back where it was. Name empty = the
// control's objectName.
void RestoreFormPos(QWidget* control, const QString& name = QString());

// When a dialog closes: writes its bounds and window state while position saving is on.
void SaveFormPos(QWidget* control, const QString& name = QString());

} // namespace vdl
