#include "platform/FrameIcons.h"
#include "platform/DrawnIcon.h"
#include <QPainter>
#include <QPainterPath>

namespace vdl {

namespace {

const QColor Ink(0x20, 0x20, 0x20);

QPen inkPen(qreal width = 1.0)
{
    return QPen(Ink, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void drawClose(QPainter& p)
{
    p.setPen(inkPen(1.6));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void drawMinimise(QPainter& p)
{
    p.fillRect(QRect(4, 11, 8, 2), Ink);
}

void drawMaximise(QPainter& p)
{
    p.setPen(inkPen());
    p.drawRect(QRectF(Mid(3), Mid(3), 9, 9));
    p.fillRect(QRect(3, 3, 10, 2), Ink);
}

void drawRestore(QPainter& p)
{
    p.setPen(inkPen());
    p.drawRect(QRectF(Mid(6), Mid(3), 6, 6));
    p.fillRect(QRect(2, 6, 8, 7), Qt::white);
    p.drawRect(QRectF(Mid(2), Mid(6), 7, 6));
    p.fillRect(QRect(2, 6, 8, 2), Ink);
}

void drawTriangle(QPainter& p, bool up)
{
    QPainterPath path;
    const qreal tip = up ? 5 : 11, base = up ? 11 : 5;
    path.moveTo(8, tip);
    path.lineTo(13, base);
    path.lineTo(3, base);
    path.closeSubpath();
    p.fillPath(path, Ink);
}

void drawShade(QPainter& p)
{
    drawTriangle(p, true);
}

void drawUnshade(QPainter& p)
{
    drawTriangle(p, false);
}

// A question mark of an arc and a dot.
void drawHelp(QPainter& p)
{
    p.setPen(inkPen(1.6));
    QPainterPath path;
    path.moveTo(5, 6);
    path.arcTo(QRectF(5, 2.5, 6, 6), 180, -270);
    path.lineTo(8, 10);
    p.drawPath(path);
    p.fillRect(QRect(7, 12, 2, 2), Ink);
}

// A small window with its title bar.
void drawWindowMenu(QPainter& p)
{
    p.fillRect(QRect(2, 3, 12, 10), Qt::white);
    p.setPen(inkPen());
    p.drawRect(QRectF(Mid(2), Mid(3), 11, 9));
    p.fillRect(QRect(2, 3, 12, 3), QColor(0x30, 0x60, 0xB0));
}

void drawChevrons(QPainter& p, bool across)
{
    p.setPen(inkPen(1.4));
    for (qreal at : {4.0, 8.0}) {
        QPolygonF chevron{{at, 4}, {at + 4, 8}, {at, 12}};
        if (!across)
            chevron = QPolygonF{{4, at}, {8, at + 4}, {12, at}};
        p.drawPolyline(chevron);
    }
}

void drawChevronsAcross(QPainter& p)
{
    drawChevrons(p, true);
}

void drawChevronsDown(QPainter& p)
{
    drawChevrons(p, false);
}

} // namespace

QIcon FrameIcon(QStyle::StandardPixmap sp)
{
    struct Picture {
        QStyle::StandardPixmap sp;
        const char* name;
        DrawFunction draw;
    };
    static constexpr Picture pictures[] = {
        {QStyle::SP_TitleBarMenuButton, "window-menu", drawWindowMenu},
        {QStyle::SP_TitleBarMinButton, "minimise", drawMinimise},
        {QStyle::SP_TitleBarMaxButton, "maximise", drawMaximise},
        {QStyle::SP_TitleBarCloseButton, "close", drawClose},
        {QStyle::SP_TitleBarNormalButton, "restore", drawRestore},
        {QStyle::SP_TitleBarShadeButton, "shade", drawShade},
        {QStyle::SP_TitleBarUnshadeButton, "unshade", drawUnshade},
        {QStyle::SP_TitleBarContextHelpButton, "help", drawHelp},
        {QStyle::SP_ToolBarHorizontalExtensionButton, "more-across", drawChevronsAcross},
        {QStyle::SP_ToolBarVerticalExtensionButton, "more-down", drawChevronsDown},
    };
    for (const Picture& picture : pictures) {
        if (picture.sp == sp)
            return DrawnIcon(QLatin1String("frame-") + QLatin1String(picture.name), QSize(16, 16), picture.draw);
    }
    return {};
}

} // namespace vdl
