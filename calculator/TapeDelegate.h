#pragma once
// How a tape line looks: the count at the left in blue, the body right-aligned and the
// operator centred near the right edge, all in the line's colour; result lines in bold.
#include <QColor>
#include <QStyledItemDelegate>

namespace vdl {

// A tape line taken apart: the operator is its last character, the count the text before
// the first '#', the body what lies between.
struct TapeLineParts {
    QString count;
    QString body;
    QString op;
};
TapeLineParts splitTapeLine(const QString& line);

// A colour written as $BBGGRR (0 black, 255 red, 32768 green).
QColor colourFromBGR(int bgr);

class TapeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int ItemHeight = 14;
    static constexpr int ColourRole = Qt::UserRole; // the line's $BBGGRR colour

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override;
};

} // namespace vdl
