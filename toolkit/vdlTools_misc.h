#pragma once
// Yes/no texts, list search, rectangle texts, centred drawing, numeric edits and small file
// helpers.
#include "platform/StringList.h"
#include "platform/Var.h"
#include <QRect>
#include <QString>

class QLineEdit;
class QPainter;
class QWidget;

namespace vdl {

// A rectangle as stored in the settings: Right and Bottom lie just outside it (QRect's
// right() and bottom() lie inside, one less).
struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static Rect fromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
    bool operator==(const Rect&) const = default;
};

// Settings store yes/no as "Ja"/"Nein" and read many more words (trimmed, any case).
QString BoolToJaNein(bool B);
bool TextToBool(const QString& S);  // true only for a yes word
bool IsBoolText(const QString& S);  // a yes word or a no word

// First index at or after Start whose item matches Value, -1 when none. A text Value is
// compared without regard to case by Mode: 0 equal, 1 item begins with it, 2 contains it,
// 3 ends with it, 4 it begins a word of the item; an integer Value is compared with the
// items' objects; any other Value finds nothing.
int IndexOfValue(const StringList& List, const Var& Value, int Mode, int Start);
int FindInList(const StringList* List, const Var& Value, int Mode, int Start); // -1 for no list
inline int FindInList(const StringList& List, const Var& Value, int Mode, int Start)
{
    return IndexOfValue(List, Value, Mode, Start);
}

QString RectToStr(const Rect& R); // "Left,Top,Right,Bottom"
bool StrToRect(const QString& S, Rect& R); // false (R unchanged) with fewer than four parts

// Text centred in R (or centred across R at R.Top + TopOffset), clipped to R, on R filled with
// the painter's brush.
void TextRectCentered(QPainter& Canvas, const Rect& R, const QString& Text);
void TextRectHCentered(QPainter& Canvas, const Rect& R, const QString& Text, int TopOffset);
// Paint code often holds its painter by address.
inline void TextRectCentered(QPainter* Canvas, const Rect& R, const QString& Text)
{
    TextRectCentered(*Canvas, R, Text);
}
inline void TextRectHCentered(QPainter* Canvas, const Rect& R, const QString& Text, int TopOffset)
{
    TextRectHCentered(*Canvas, R, Text, TopOffset);
}

// Focuses the edit and selects all its text, when it can take the focus.
void SelectAllText(QWidget* Edit);

// Checks a numeric field when it is left or its dialog confirmed, and writes it back with
// Decimals places (grouped when Thousands). An empty text passes. A bad text gets the error
// box, stays as typed with the whole text selected, and gives false. When SkipWhenActive
// has the focus of the edit's form (Cancel pressed), nothing is checked.
bool CheckNumEdit(QLineEdit* Edit, int Decimals, QWidget* SkipWhenActive, bool Thousands);

// Appends Line with CR LF (Windows-1252), creating a missing file; false on any failure.
bool AppendLineToFile(const QString& FileName, const QString& Line);

// Dir (cut to its folder when it is no existing folder, so a program file may be passed) and
// Name (cut to its file name unless KeepNamePath) joined by one separator.
QString PathCombine(const QString& Dir, const QString& Name, bool KeepNamePath);
QString ExeDirFile(const QString& Name); // Name in the program's folder

} // namespace vdl
