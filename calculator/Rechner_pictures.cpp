// The pictures of the picture keys, drawn here so no image files are needed. Each is drawn
// the first time its key is painted, so the keys of the Shift and Ctrl layers cost nothing
// until the user holds one of these keys. Their texts use the window's two fonts (Arial 11
// pixels, and 12 pixels bold as in the result display), so drawing them makes no new font.
#include "calculator/Rechner.h"
#include "platform/DrawnIcon.h"
#include <QPainter>

namespace vdl {

namespace {

constexpr int Width = 22;
constexpr int Height = 16;

QFont pictureFont(bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(bold ? 12 : 11);
    font.setBold(bold);
    return font;
}

// Draws text with its baseline at y, centred on x.
void centredText(QPainter& p, qreal x, qreal y, const QString& text)
{
    p.drawText(QPointF(x - QFontMetricsF(p.font()).horizontalAdvance(text) / 2, y), text);
}

// "%" with a small "iH": percent in hundred.
void drawPercentInHundred(QPainter& p)
{
    p.setFont(pictureFont(true));
    centredText(p, 6, 12, QStringLiteral("%"));
    p.setFont(pictureFont(false));
    centredText(p, 16.5, 15, QStringLiteral("iH"));
}

// x to the power of y.
void drawPower(QPainter& p)
{
    p.setFont(pictureFont(true));
    centredText(p, 8, 15, QStringLiteral("x"));
    p.setFont(pictureFont(false));
    centredText(p, 15, 8, QStringLiteral("y"));
}

// One divided by x, as a fraction.
void drawReciprocal(QPainter& p)
{
    p.setFont(pictureFont(false));
    centredText(p, 11, 8, QStringLiteral("1"));
    p.drawLine(QPointF(7, Mid(9)), QPointF(15, Mid(9)));
    centredText(p, 11, 16, QStringLiteral("x"));
}

// A paper strip with lines, struck out in red: clear the tape.
void drawClearTape(QPainter& p)
{
    p.setPen(Qt::darkGray);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(Mid(6), Mid(1), 10, 14));
    for (int y = 4; y <= 12; y += 3)
        p.drawLine(QPointF(8, Mid(y)), QPointF(15, Mid(y)));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(4, 3, 18, 13);
    p.drawLine(18, 3, 4, 13);
}

// A printer with a sheet.
void drawPrinter(QPainter& p)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(Mid(6), Mid(1), 10, 6));
    p.setBrush(Qt::lightGray);
    p.drawRect(QRectF(Mid(2), Mid(6), 18, 7));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(Mid(6), Mid(11), 10, 4));
    p.fillRect(QRect(16, 8, 2, 1), Qt::darkGreen);
}

} // namespace

QIcon TRechnerForm::keyPicture(RechnerCore::Key key)
{
    DrawFunction draw = nullptr;
    switch (key) {
    case RechnerCore::BProzIH: draw = drawPercentInHundred; break;
    case RechnerCore::BHoch: draw = drawPower; break;
    case RechnerCore::B1divX: draw = drawReciprocal; break;
    case RechnerCore::BHist: draw = drawClearTape; break;
    case RechnerCore::BHistDruck: draw = drawPrinter; break;
    default: return {};
    }
    return DrawnIcon(QStringLiteral("key-") + RechnerCore::keyName(key), QSize(Width, Height), draw);
}

} // namespace vdl
