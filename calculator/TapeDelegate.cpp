#include "calculator/TapeDelegate.h"
#include <QPainter>
#include <algorithm>

namespace vdl {

QColor colourFromBGR(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void TapeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    TapeLineParts parts = splitTapeLine(index.data(LineRole).toString());
    parts.op = RechnerCore::operatorGlyph(parts.op);
    const bool selected = option.state & QStyle::State_Selected;
    const int colour = index.data(ColourRole).toInt();
    QColor lineColour = colourFromBGR(colour);
    QColor countColour = Qt::blue;
    if (selected) {
        countColour = Qt::cyan;
        // Red stays recognisable on the highlight as a light red.
        lineColour = colour == 255 ? colourFromBGR(12698111) : QColor(Qt::white);
    }
    const bool result = parts.op == QLatin1String("*");

    QRect r = option.rect;
    r.setHeight(ItemHeight);
    const int right = r.x() + r.width();
    painter->save();
    painter->setClipRect(r);
    painter->fillRect(r, selected ? option.palette.highlight() : option.palette.base());

    // Result lines carry a big bold star, a pixel lower than the other operators.
    QFont font = option.font;
    font.setBold(result);
    if (result)
        font.setPixelSize(17);
    const int opWidth = QFontMetrics(font).horizontalAdvance(parts.op);
    // One sign is centred 8 pixels left of the edge; a wider one ("%iH") stays inside the
    // line and pushes the body to its left.
    const int opX = std::min(right - opWidth / 2 - 8, right - opWidth - 2);
    painter->setFont(font);
    painter->setPen(lineColour);
    painter->drawText(QRect(opX, r.y() + (result ? 1 : 0), opWidth + 2, 40), Qt::AlignLeft | Qt::AlignTop,
                      parts.op);

    font.setPixelSize(11); // 8 points
    painter->setFont(font);
    const int bodyWidth = QFontMetrics(font).horizontalAdvance(parts.body);
    const int bodyRight = std::min(right - 15, opX - 2);
    painter->drawText(QRect(bodyRight - bodyWidth, r.y(), bodyWidth + 2, 40), Qt::AlignLeft | Qt::AlignTop,
                      parts.body);
    if (!parts.count.isEmpty()) {
        painter->setPen(countColour);
        painter->drawText(QRect(r.x() + 2, r.y(), right, 40), Qt::AlignLeft | Qt::AlignTop,
                          parts.count);
    }
    painter->restore();
}

QSize TapeDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    // Lines are as wide as the list: they are drawn from its right edge.
    return {1, ItemHeight};
}

} // namespace vdl
