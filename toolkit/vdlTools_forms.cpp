#include "toolkit/vdlTools_forms.h"
#include "platform/Cp1252.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_strings.h"
#include <QCoreApplication>
#include <QFont>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaProperty>
#include <QWidget>
#include <algorithm>
#include <climits>

namespace vdl {

namespace {

QString convertRange(const QString& S, int Start, int Count, bool upper)
{
    if (Start < 1)
        Start = 1;
    if (Count < 1)
        Count = INT_MAX;
    QString result = S;
    const qsizetype end = std::min<qsizetype>(result.size(), qsizetype(Start - 1) + Count);
    for (qsizetype i = Start - 1; i < end; ++i)
        result[i] = upper ? Cp1252::upper(result[i]) : Cp1252::lower(result[i]);
    return result;
}

// In Qt every top-level window is what the program calls a form, and so is the content of
// an MDI child window, which Qt wraps in a QMdiSubWindow that is no window of its own.
bool isForm(const QWidget* w)
{
    if (dynamic_cast<const Form*>(w) || w->isWindow())
        return true;
    const auto* sub = qobject_cast<const QMdiSubWindow*>(w->parentWidget());
    return sub && sub->widget() == w;
}

bool isMdiFrame(const QWidget* w)
{
    const auto* main = qobject_cast<const QMainWindow*>(w);
    return main && qobject_cast<const QMdiArea*>(main->centralWidget());
}

} // namespace

QString LowerCaseRange(const QString& S, int Start, int Count) { return convertRange(S, Start, Count, false); }

QString UpperCaseRange(const QString& S, int Start, int Count) { return convertRange(S, Start, Count, true); }

QWidget* ParentForm(QWidget* Control)
{
    for (QWidget* w = Control; w; w = w->parentWidget())
        if (isForm(w))
            return w;
    return nullptr;
}

QWidget* TopParentForm(QWidget* Control)
{
    QWidget* result = nullptr;
    for (QWidget* w = Control; w; w = w->parentWidget())
        if (isForm(w) && !isMdiFrame(w))
            result = w;
    return result;
}

void StrToFont(const QString& S, QFont& Font)
{
    TColor unused = 0;
    StrToFont(S, Font, unused);
}

void StrToFont(const QString& S, QFont& Font, TColor& Color)
{
    QStringList parts;
    SplitStr(S, QStringLiteral(";"), parts, 4);
    int size = 0;
    // A Qt font has no size of 0 or below; such a size keeps the old one.
    if (TryStrToInt(parts[0], size) && size > 0)
        Font.setPointSize(size);
    if (!parts[3].isEmpty())
        Font.setFamily(parts[3]);
    const QString flags = parts[1].leftJustified(4, QLatin1Char('0'));
    Font.setBold(flags[0] == QLatin1Char('1'));
    Font.setItalic(flags[1] == QLatin1Char('1'));
    Font.setUnderline(flags[2] == QLatin1Char('1'));
    Font.setStrikeOut(flags[3] == QLatin1Char('1'));
    int color = 0;
    if (TryStrToInt(parts[2], color))
        Color = color;
}

int CountOccurrences(const QString& S, const QString& Sub, int Step)
{
    int count = 0;
    if (Step < 1) {
        for (int p = PosEx(1, S, Sub); p > 0; p = PosEx(p + StrLen(Sub), S, Sub))
            ++count;
        return count;
    }
    // Counts every start, Step apart, from which Sub still occurs further on.
    for (int start = 1; start <= StrLen(S) && PosEx(start, S, Sub) > 0; start += Step)
        ++count;
    return count;
}

void ProcessAppMessages() { QCoreApplication::processEvents(); }

void SetTextIfEmpty(QWidget* Control, const QString& Text)
{
    if (!Control)
        return;
    const int index = Control->metaObject()->indexOfProperty("text");
    if (index < 0 || !Control->metaObject()->property(index).isWritable())
        return;
    if (Control->property("text").toString().isEmpty())
        Control->setProperty("text", Text);
}

void SetFontBold(QFont& Font, bool Bold) { Font.setBold(Bold); }

bool InRange(int V, int Lo, int Hi) { return Lo <= V && V <= Hi; }

void ColorToRGBText(TColor Color, int& R, int& G, int& B, QString& Text)
{
    B = Color / 0x10000;
    G = (Color - B * 0x10000) / 256;
    R = Color - B * 0x10000 - G * 256;
    while (B > 255)
        B -= 256;
    Text = QStringLiteral("%1,%2,%3").arg(R).arg(G).arg(B);
}

QFont DialogFont(int PixelSize, bool Bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(PixelSize);
    font.setBold(Bold);
    return font;
}

TColor LightenColor(TColor Color)
{
    int r = 0, g = 0, b = 0;
    QString text;
    ColorToRGBText(Color, r, g, b, text);
    int add = 20;
    for (int channel : {r, g, b}) {
        if (channel >= 246)
            add += 10;
        else if (channel < 128)
            add += 48;
    }
    // Clamped at 0 too, so a system colour cannot spill into the neighbouring bytes.
    const auto lighten = [add](int channel) { return std::clamp(channel + add, 0, 255); };
    return lighten(r) | lighten(g) << 8 | lighten(b) << 16;
}

} // namespace vdl
