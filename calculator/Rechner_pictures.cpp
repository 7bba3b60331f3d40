// The pictures of the picture keys, drawn here so no image files are needed.
#include "calculator/Rechner.h"
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

namespace vdl {

namespace {

constexpr int Width = 22;
constexpr int Height = 16;

QFont pictureFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// "%" with a small "iH": percent in hundred.
void drawPercentInHundred(QPainter& p)
{
    p.setFont(pictureFont(13, true));
    p.drawText(QRect(0, 0, 13, Height), Qt::AlignCenter, QStringLiteral("%"));
    p.setFont(pictureFont(8));
    p.drawText(QRect(12, 6, 10, 10), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("iH"));
}

// x to the power of y.
void drawPower(QPainter& p)
{
    p.setFont(pictureFont(13, true));
    p.drawText(QRect(3, 3, 10, 13), Qt::AlignCenter, QStringLiteral("x"));
    p.setFont(pictureFont(9, true));
    p.drawText(QRect(12, 0, 8, 9), Qt::AlignCenter, QStringLiteral("y"));
}

// One divided by x, as a fraction.
void drawReciprocal(QPainter& p)
{
    p.setFont(pictureFont(8, true));
    p.drawText(QRect(0, -1, Width, 8), Qt::AlignCenter, QStringLiteral("1"));
    p.drawLine(6, 8, 15, 8);
    p.setFont(pictureFont(9, true));
    p.drawText(QRect(0, 8, Width, 8), Qt::AlignCenter, QStringLiteral("x"));
}

// A paper strip with lines, struck out in red: clear the tape.
void drawClearTape(QPainter& p)
{
    p.setPen(Qt::darkGray);
    p.setBrush(Qt::white);
    p.drawRect(6, 1, 10, 14);
    for (int y = 4; y <= 12; y += 3)
        p.drawLine(8, y, 14, y);
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(4, 3, 18, 13);
    p.drawLine(18, 3, 4, 13);
}

// A printer with a sheet.
void drawPrinter(QPainter& p)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(6, 1, 10, 6);
    p.setBrush(Qt::lightGray);
    p.drawRect(2, 6, 18, 7);
    p.setBrush(Qt::white);
    p.drawRect(6, 11, 10, 4);
    p.setPen(Qt::darkGreen);
    p.drawPoint(17, 8);
}

} // namespace

QIcon TRechnerForm::keyPicture(RechnerCore::Key key)
{
    void (*draw)(QPainter&) = nullptr;
    switch (key) {
    case RechnerCore::BProzIH: draw = drawPercentInHundred; break;
    case RechnerCore::BHoch: draw = drawPower; break;
    case RechnerCore::B1divX: draw = drawReciprocal; break;
    case RechnerCore::BHist: draw = drawClearTape; break;
    case RechnerCore::BHistDruck: draw = drawPrinter; break;
    default: return {};
    }
    // Drawn once per run and shared by every window, so that a new window opens at once.
    const QString name = QStringLiteral("vdl-key-") + RechnerCore::keyName(key);
    QPixmap picture, grey;
    if (!QPixmapCache::find(name, &picture) || !QPixmapCache::find(name + QStringLiteral("-grey"), &grey)) {
        picture = QPixmap(Width, Height);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        draw(painter);
        painter.end();

        // Greyed keys show the picture in one light grey, like the greyed captions.
        grey = picture;
        QPainter greying(&grey);
        greying.setCompositionMode(QPainter::CompositionMode_SourceIn);
        greying.fillRect(grey.rect(), QColor(128, 128, 128, 128));
        greying.end();
        QPixmapCache::insert(name, picture);
        QPixmapCache::insert(name + QStringLiteral("-grey"), grey);
    }
    QIcon icon(picture);
    icon.addPixmap(grey, QIcon::Disabled);
    return icon;
}

} // namespace vdl
