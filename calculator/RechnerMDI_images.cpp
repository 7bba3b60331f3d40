// The frame's image list: 36 small pictures drawn here on a grid of 16 x 16 units, with lines
// on pixel middles so that they stay sharp at 16 and at 32 pixels. No text is drawn, so no
// font is needed for them.
#include "calculator/Pictures.h"
#include "platform/DrawnIcon.h"
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace vdl {

QPixmap ReadPicture(const QString& path, const char* format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

namespace {

const QColor Ink(0x30, 0x30, 0x30);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor Grey(0xB8, 0xB8, 0xB8);
const QColor Blue(0x2A, 0x5D, 0xB0);
const QColor LightBlue(0xA8, 0xC8, 0xF0);
const QColor Green(0x1E, 0x8C, 0x2E);
const QColor Red(0xD0, 0x20, 0x20);
const QColor Yellow(0xF2, 0xC2, 0x38);
const QColor Brown(0x9A, 0x6A, 0x2A);
const QColor Teal(0x1F, 0x7F, 0x86);

void fill(QPainter& p, int x, int y, int w, int h, const QColor& colour)
{
    p.fillRect(QRect(x, y, w, h), colour);
}

// A box covering the pixels x..x+w-1, y..y+h-1: filled, with a 1-unit border.
void box(QPainter& p, int x, int y, int w, int h, const QColor& inside, const QColor& border = Ink)
{
    fill(p, x, y, w, h, inside);
    p.setPen(QPen(border, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(Mid(x), Mid(y), w - 1, h - 1));
}

void line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& colour, qreal width = 1)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void polyline(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, qreal width = 1.5)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

// An inner window with a blue title bar.
void window(QPainter& p, int x, int y, int w, int h)
{
    box(p, x, y, w, h, Paper);
    fill(p, x + 1, y + 1, w - 2, 2, Blue);
}

// Lines of text on a page.
void textLines(QPainter& p, int x, int y, int w, int count, int step = 2)
{
    for (int i = 0; i < count; ++i)
        fill(p, x, y + i * step, w, 1, Grey);
}

void redCross(QPainter& p, qreal x, qreal y, qreal size = 5)
{
    line(p, x, y, x + size, y + size, Red, 2);
    line(p, x + size, y, x, y + size, Red, 2);
}

void greenPlus(QPainter& p, int x, int y)
{
    fill(p, x + 2, y, 2, 6, Green);
    fill(p, x, y + 2, 6, 2, Green);
}

// A small calculator: case, display and keys.
void calculator(QPainter& p, int x, int y)
{
    box(p, x, y, 10, 13, QColor(0xE8, 0xE8, 0xE8));
    fill(p, x + 2, y + 2, 6, 3, QColor(0xD8, 0xF0, 0xC8));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            fill(p, x + 2 + col * 2, y + 6 + row * 2, 1, 1, Ink);
}

// A memory: a chip with its pins, marked by a white bar.
void memory(QPainter& p, int x, int y)
{
    for (int i = 0; i < 4; ++i) {
        fill(p, x + 2 + i * 2, y, 1, 2, Ink);
        fill(p, x + 2 + i * 2, y + 11, 1, 2, Ink);
    }
    box(p, x, y + 2, 11, 9, Teal, Ink);
    fill(p, x + 2, y + 5, 7, 3, Paper);
}

// A chain link lying across, its left end at x.
void link(QPainter& p, qreal x, qreal y, const QColor& colour)
{
    p.setPen(QPen(colour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(x, y, 6, 4), 2, 2);
    p.drawRoundedRect(QRectF(x + 4, y, 6, 4), 2, 2);
}

void floppy(QPainter& p, int x, int y, int size)
{
    box(p, x, y, size, size, Blue, QColor(0x1A, 0x3A, 0x70));
    fill(p, x + 3, y + 1, size - 6, size / 2 - 1, Paper);
    fill(p, x + 3, y + size - 4, size - 6, 3, QColor(0x1A, 0x3A, 0x70));
}

void printer(QPainter& p)
{
    box(p, 4, 1, 8, 6, Paper);
    box(p, 1, 6, 14, 7, Grey);
    box(p, 4, 10, 8, 5, Paper);
    textLines(p, 5, 12, 6, 1);
    fill(p, 12, 8, 2, 1, Green);
}

void clipboard(QPainter& p)
{
    box(p, 2, 2, 12, 13, Brown, QColor(0x5A, 0x3A, 0x10));
    fill(p, 4, 4, 8, 10, Paper);
    box(p, 5, 1, 6, 3, Grey);
    textLines(p, 5, 6, 6, 4);
}

// A strip of paper with a few lines: the tape.
void tape(QPainter& p, int x)
{
    box(p, x, 1, 8, 14, Paper);
    for (int y = 3; y <= 11; y += 2)
        fill(p, x + 2, y, (y % 4 == 1) ? 4 : 3, 1, Grey);
    fill(p, x + 2, 12, 4, 1, Ink);
}

// A straight arrow with its head at (x2, y2).
// A shaft of width 2 on whole coordinates covers whole pixels.
void arrow(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, const QColor& colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    const QLineF shaft(QPointF(x2, y2), QPointF(x1, y1));
    QLineF wing1 = shaft, wing2 = shaft;
    wing1.setLength(3.5);
    wing2.setLength(3.5);
    wing1.setAngle(shaft.angle() + 40);
    wing2.setAngle(shaft.angle() - 40);
    polyline(p, {wing1.p2(), QPointF(x2, y2), wing2.p2()}, colour);
}

// ---- the 36 pictures --------------------------------------------------------------------

void drawSpeichern(QPainter& p)
{
    floppy(p, 1, 1, 14);
}

void drawLoeschen(QPainter& p)
{
    redCross(p, 3, 3, 10);
}

void drawInZwischenablage(QPainter& p)
{
    clipboard(p);
}

void drawZwischenablageBearbeiten(QPainter& p)
{
    clipboard(p);
    // a pencil across the sheet
    line(p, 14, 6, 7, 13, Yellow, 3);
    line(p, 7, 13, 6, 14, Ink, 1.5);
}

void drawDrucken(QPainter& p)
{
    printer(p);
}

void drawDruckerEinrichten(QPainter& p)
{
    printer(p);
    // a tick: set up
    fill(p, 9, 8, 7, 8, Paper);
    p.setPen(QPen(Ink, 1));
    p.drawRect(QRectF(Mid(9), Mid(8), 6, 7));
    polyline(p, {{10.5, 12}, {12, 13.5}, {14.5, 9.5}}, Green);
}

void drawHistorieSpeichern(QPainter& p)
{
    tape(p, 1);
    floppy(p, 8, 7, 8);
}

void drawFensterBeenden(QPainter& p)
{
    window(p, 1, 2, 13, 11);
    redCross(p, 9, 9, 5);
}

void drawAllesSchliessen(QPainter& p)
{
    window(p, 4, 1, 11, 9);
    window(p, 1, 5, 11, 9);
    redCross(p, 9.5, 9.5, 5);
}

// A gold coin with a euro sign of two bars and an arc.
void drawWaehrungen(QPainter& p)
{
    p.setPen(QPen(QColor(0x9A, 0x70, 0x10), 1));
    p.setBrush(Yellow);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Ink, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 4.5, 7, 7), 60 * 16, 240 * 16);
    line(p, 4.5, 7, 9, 7, Ink, 1);
    line(p, 4.5, 9, 9, 9, Ink, 1);
}

// A text field with the caret and a pencil: give a name.
void drawBenennen(QPainter& p)
{
    box(p, 1, 5, 14, 7, Paper);
    fill(p, 3, 7, 5, 3, Ink);
    fill(p, 9, 6, 1, 5, Blue);
    line(p, 15, 1, 10, 6, Yellow, 3);
    line(p, 10, 6, 9, 7, Ink, 1.5);
}

// Counted lines: one, two and three strokes before the lines.
void drawPostenZaehlen(QPainter& p)
{
    for (int row = 0; row < 3; ++row) {
        const int y = 1 + row * 5;
        for (int stroke = 0; stroke <= row; ++stroke)
            fill(p, 1 + stroke * 2, y, 1, 4, Blue);
        fill(p, 8, y + 2, 7, 1, Ink);
    }
}

// A frame drawn in to fit: arrows from the corners inwards.
void drawRahmenAnpassen(QPainter& p)
{
    box(p, 4, 4, 8, 8, LightBlue, Blue);
    arrow(p, 0.5, 0.5, 4, 4, Ink);
    arrow(p, 15.5, 15.5, 12, 12, Ink);
}

// An opened folder.
void drawEinstellungenLaden(QPainter& p)
{
    p.setPen(QPen(QColor(0x9A, 0x70, 0x10), 1));
    p.setBrush(QColor(0xE8, 0xB8, 0x40));
    p.drawPolygon(QPolygonF{{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {13.5, 5.5}, {13.5, 13.5}, {1.5, 13.5}});
    p.setBrush(Yellow);
    p.drawPolygon(QPolygonF{{3.5, 8.5}, {15.5, 8.5}, {13.5, 13.5}, {1.5, 13.5}});
}

// A door with an arrow leaving through it.
void drawBeenden(QPainter& p)
{
    box(p, 2, 1, 8, 14, QColor(0x8A, 0x5A, 0x2A), Ink);
    fill(p, 7, 8, 1, 1, Yellow);
    arrow(p, 6, 8, 15, 8, Green);
}

void drawMinuswerteRot(QPainter& p)
{
    fill(p, 2, 7, 12, 3, Red);
}

// A list whose first entries are marked: only the main systems.
void drawHauptsysteme(QPainter& p)
{
    box(p, 1, 1, 14, 14, Paper);
    for (int row = 0; row < 4; ++row) {
        const int y = 3 + row * 3;
        fill(p, 3, y, row < 2 ? 10 : 6, 2, row < 2 ? Blue : Grey);
    }
}

// A keypad with letter keys.
void drawAlphaPad(QPainter& p)
{
    box(p, 0, 2, 16, 12, QColor(0xE0, 0xE0, 0xE0));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            box(p, 2 + col * 4, 4 + row * 4, 4, 4, Paper);
    // the key "A": two strokes and a bar
    polyline(p, {{2.5, 11.5}, {4, 8.5}, {5.5, 11.5}}, Blue, 1);
}

void drawNeuerRechner(QPainter& p)
{
    calculator(p, 1, 3);
    greenPlus(p, 10, 0);
}

void drawNeuerSpeicher(QPainter& p)
{
    memory(p, 0, 3);
    greenPlus(p, 10, 0);
}

// A page with lines and a blue question mark.
void drawKurzanleitung(QPainter& p)
{
    box(p, 2, 1, 11, 14, Paper);
    textLines(p, 4, 3, 7, 2);
    p.setPen(QPen(Blue, 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hook;
    hook.moveTo(6, 8.5);
    hook.arcTo(QRectF(6, 6.5, 4, 4), 180, -270);
    hook.lineTo(8, 11.5);
    p.drawPath(hook);
    fill(p, 7, 13, 2, 1, Blue);
}

// A screen on its stand.
void drawSysteminformation(QPainter& p)
{
    box(p, 1, 1, 14, 10, Blue, Ink);
    fill(p, 3, 3, 4, 1, Paper);
    fill(p, 3, 5, 7, 1, LightBlue);
    fill(p, 3, 7, 5, 1, LightBlue);
    fill(p, 7, 11, 2, 2, Ink);
    fill(p, 4, 13, 8, 2, Ink);
}

// An "i" in a blue disc.
void drawProduktinformation(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    fill(p, 7, 3, 2, 2, Paper);
    fill(p, 7, 6, 2, 6, Paper);
    fill(p, 6, 11, 4, 1, Paper);
}

void drawUeberlappend(QPainter& p)
{
    window(p, 0, 0, 10, 8);
    window(p, 3, 4, 10, 8);
    window(p, 6, 8, 10, 8);
}

void drawUntereinander(QPainter& p)
{
    window(p, 1, 1, 14, 7);
    window(p, 1, 8, 14, 7);
}

void drawNebeneinander(QPainter& p)
{
    window(p, 1, 1, 7, 14);
    window(p, 8, 1, 7, 14);
}

// Minimised windows lined up at the lower edge.
void drawSymboleAnordnen(QPainter& p)
{
    box(p, 0, 1, 16, 14, QColor(0xE8, 0xE8, 0xE8), Grey);
    for (int i = 0; i < 3; ++i) {
        box(p, 1 + i * 5, 11, 5, 3, Paper);
        fill(p, 2 + i * 5, 12, 3, 1, Blue);
    }
}

void drawRechnerVerbinden(QPainter& p)
{
    calculator(p, 0, 0);
    link(p, 5, 11, Green);
}

void drawSpeicherVerbinden(QPainter& p)
{
    memory(p, 0, 0);
    link(p, 5, 11, Green);
}

// A chain link broken in the middle.
void drawSpeicherTrennen(QPainter& p)
{
    p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1, 5, 6, 6), 90 * 16, 180 * 16);
    p.drawArc(QRectF(9, 5, 6, 6), 270 * 16, 180 * 16);
    fill(p, 4, 4, 3, 2, Ink);
    fill(p, 4, 10, 3, 2, Ink);
    fill(p, 9, 4, 3, 2, Ink);
    fill(p, 9, 10, 3, 2, Ink);
    fill(p, 7, 0, 2, 3, Red);
    fill(p, 7, 13, 2, 3, Red);
}

// A green "play" sign: the automatic transfer runs.
void drawAutomatikEin(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawPolygon(QPolygonF{{4, 2}, {14, 8}, {4, 14}});
}

void drawAutomatikAus(QPainter& p)
{
    fill(p, 3, 3, 10, 10, Red);
}

// Two arrows turning into each other: convert.
void drawUmrechnen(QPainter& p)
{
    arrow(p, 2, 5, 13, 5, Blue);
    arrow(p, 14, 11, 3, 11, Green);
}

// Tape lines, one of them marked.
void drawMarkierung(QPainter& p)
{
    box(p, 1, 1, 14, 14, Paper);
    textLines(p, 3, 3, 10, 2, 3);
    fill(p, 2, 8, 12, 3, Blue);
    fill(p, 4, 9, 8, 1, Paper);
    fill(p, 3, 12, 10, 1, Grey);
}

// A blue page with a "W" of four strokes.
void drawTextverarbeitung(QPainter& p)
{
    box(p, 1, 1, 14, 14, Blue, QColor(0x1A, 0x3A, 0x70));
    polyline(p, {{3.5, 4.5}, {5.5, 11.5}, {8, 6.5}, {10.5, 11.5}, {12.5, 4.5}}, Paper, 1.6);
}

// A green sheet with grid lines and an "E" of four bars.
void drawTabellenkalkulation(QPainter& p)
{
    box(p, 1, 1, 14, 14, Green, QColor(0x0E, 0x5C, 0x1E));
    fill(p, 5, 4, 2, 8, Paper);
    fill(p, 5, 4, 6, 2, Paper);
    fill(p, 5, 7, 5, 2, Paper);
    fill(p, 5, 10, 6, 2, Paper);
}

} // namespace

QIcon Images(int Index)
{
    static constexpr DrawFunction pictures[ImageCount] = {
        drawSpeichern, drawLoeschen, drawInZwischenablage, drawZwischenablageBearbeiten, drawDrucken,
        drawDruckerEinrichten, drawHistorieSpeichern, drawFensterBeenden, drawAllesSchliessen,
        drawWaehrungen, drawBenennen, drawPostenZaehlen, drawRahmenAnpassen, drawEinstellungenLaden,
        drawBeenden, drawMinuswerteRot, drawHauptsysteme, drawAlphaPad, drawNeuerRechner,
        drawNeuerSpeicher, drawKurzanleitung, drawSysteminformation, drawProduktinformation,
        drawUeberlappend, drawUntereinander, drawNebeneinander, drawSymboleAnordnen,
        drawRechnerVerbinden, drawSpeicherVerbinden, drawSpeicherTrennen, drawAutomatikEin,
        drawAutomatikAus, drawUmrechnen, drawMarkierung, drawTextverarbeitung,
        drawTabellenkalkulation};
    if (Index < 0 || Index >= ImageCount)
        return {};
    return DrawnIcon(QStringLiteral("image%1").arg(Index), QSize(16, 16), pictures[Index]);
}

} // namespace vdl
