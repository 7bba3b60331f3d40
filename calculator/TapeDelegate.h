#pragma once
// How a tape line looks: the count at the left in blue, the body right-aligned and the
// operator centred near the right edge, all in the line's colour; result lines in bold.
#include "calculator/HistoryText.h"
#include <QColor>
#include <QStyledItemDelegate>

namespace vdl {

// A colour written as $BBGGRR (0 black, 255 red, 32768 green).
QColor colourFromBGR(int bgr);

class TapeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int ItemHeight = 14;
    static constexpr int ColourRole = Qt::UserRole; // the line's $BBGGRR colour
    // The line as stored, operator as its code-page byte: the shown text cannot be taken
    // apart when an operator is shown with several characters ("%iH").
    static constexpr int LineRole = Qt::UserRole + 1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override;
};

} // namespace vdl
