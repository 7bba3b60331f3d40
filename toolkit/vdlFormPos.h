#pragma once
// Dialog positions and fixed fonts kept in the settings store.
//
// Positions live in the current user's root under "%\FormFix" (value name = the form's
// objectName, text "[state:]Left,Top,Right,Bottom" with state "1" minimised, "2" maximised);
// a control that is no form is kept under "%\FormFix\<its form's name>". They are read and
// written only while "%" "FormFix" is exactly "1". The bounds are the client geometry both
// ways, so a dialog opened and closed again stays exactly where it was.
// Fonts come from the machine root: the form's value under "%\FontFix", else "%" "AppFont"
// (font text "size;flags;colour;name"); a font that is not installed becomes "Arial".
#include <QString>

class QWidget;

namespace vdl {

// True only while "%" "FormFix" in the current user's root is exactly "1"; read at every call.
bool FormFixEnabled();
// True when the screen has 96 logical pixels per inch.
bool IsStandardDpi();

// First thing when a dialog is created: rescale to 96 dpi, take the fixed font and, when
// position saving is switched on, put the dialog back where it was. Name empty = the
// control's objectName. A fixed-size dialog only moves; other forms and controls also take
// the stored size.
void RestoreFormPos(QWidget* control, const QString& name = QString());

// When a dialog closes: writes its bounds and window state while position saving is on.
// A minimised or maximised form is set back to normal first, so its normal bounds are kept.
void SaveFormPos(QWidget* control, const QString& name = QString());

} // namespace vdl
