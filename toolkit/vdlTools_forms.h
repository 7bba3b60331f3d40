#pragma once
// Case ranges, the form that holds a control, font texts and colour helpers.
#include <QString>

class QFont;
class QWidget;

namespace vdl {

// A colour as the settings store and the forms write it: $BBGGRR (red in the low byte);
// negative values are system colours.
using TColor = int;

// Marks a widget class as one of the program's forms (windows and dialogs), so that
// ParentForm finds a calculator window inside the frame's MDI area, where it is no top-level
// window. Mixed in beside the Qt base: class TfSomething : public QDialog, public vdl::TFormXP.
class Form {
public:
    virtual ~Form() = default;
};
// Base of the calculator window and most dialogs.
class TFormXP : public Form {};

// S with Count characters from Start (1-based) case-converted per code-page character;
// Start 0 counts as 1, Count 0 means to the end, so (0, 0) converts the whole text.
QString LowerCaseRange(const QString& S, int Start, int Count);
QString UpperCaseRange(const QString& S, int Start, int Count);

// The first form among Control and its parents: a widget of our form classes, the content
// of an MDI child window or any other top-level window; nullptr for no control.
QWidget* ParentForm(QWidget* Control);
// The outermost such form that is not the MDI frame (a main window around an MDI area): for
// a control inside a calculator window, that window.
QWidget* TopParentForm(QWidget* Control);

// Applies a font text "size;flags;colour;name" (flags "1"/"0" for bold, italic, underline,
// strike-out; "10;1000;0;Tahoma" is 10 point bold black Tahoma). Qt fonts carry no colour,
// so it goes to Color. An unreadable size or colour and an empty name keep what was there;
// the four style flags are always set or cleared.
void StrToFont(const QString& S, QFont& Font, TColor& Color);
void StrToFont(const QString& S, QFont& Font); // for a caller that keeps no font colour
// Non-overlapping occurrences of Sub in S (Step 0).
int CountOccurrences(const QString& S, const QString& Sub, int Step);
void ProcessAppMessages();
void SetTextIfEmpty(QWidget* Control, const QString& Text);
void SetFontBold(QFont& Font, bool Bold);
// The dialogs' font: Tahoma at the given pixel size, else its metric neighbour Liberation Sans
// (the usual fallback is so wide that captions overrun their columns).
QFont DialogFont(int PixelSize = 12, bool Bold = false);
bool InRange(int V, int Lo, int Hi);
void ColorToRGBText(TColor Color, int& R, int& G, int& B, QString& Text); // Text "R,G,B"
TColor LightenColor(TColor Color);

} // namespace vdl
