// The tape of the window: its lines shown from the core, the menu commands on marked lines,
// and lines taken back into an entry by double-click or by dragging them onto an entry.
#include "calculator/HistoryText.h"
#include "calculator/Rechner.h"
#include "calculator/TapeDelegate.h"
#include <QClipboard>
#include <QDrag>
#include <QGuiApplication>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

namespace vdl {

namespace {
// A dragged tape line carries its text in a format of its own, so an entry recognises it.
const QString TapeLineFormat = QStringLiteral("application/x-vdlrechner-tape-line");
} // namespace

void TRechnerForm::renderTape()
{
    const QList<RechnerCore::TapeLine>& lines = m_core.History;
    // The operator is stored as its code-page byte; the list shows the sign a user sees.
    const auto shown = [](const QString& stored) {
        return stored.isEmpty() ? stored
                                : stored.left(stored.size() - 1) + RechnerCore::operatorGlyph(stored.right(1));
    };
    const auto sameLine = [&](const QListWidgetItem* item, const RechnerCore::TapeLine& line) {
        return item->data(TapeDelegate::ColourRole).toInt() == line.colour
               && item->data(TapeDelegate::LineRole).toString() == line.text;
    };
    const auto setLine = [&](QListWidgetItem* item, const RechnerCore::TapeLine& line) {
        item->setText(shown(line.text));
        item->setData(TapeDelegate::LineRole, line.text);
        item->setData(TapeDelegate::ColourRole, line.colour);
    };
    // Lines are nearly always only appended: while the last shown line still stands in its
    // place, only the new ones are added, so a long tape costs nothing per key.
    int from = History->count();
    if (from > lines.size() || (from > 0 && !sameLine(History->item(from - 1), lines[from - 1]))) {
        while (History->count() > lines.size())
            delete History->takeItem(History->count() - 1);
        for (int i = 0; i < History->count(); ++i) {
            QListWidgetItem* item = History->item(i);
            if (!sameLine(item, lines[i]))
                setLine(item, lines[i]);
        }
        from = History->count();
    }
    for (int i = from; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem;
        setLine(item, lines[i]);
        History->addItem(item);
    }
    // Follow the core's scrolling only when it moved, so the user's own scrolling stays. The
    // list scrolls once the event loop comes round: scrolling at once would lay out all its
    // lines for every key, which it does anyway, once, before it paints.
    if (m_core.HistoryTopIndex != m_renderedTopIndex && !m_tapeScrollPending) {
        m_tapeScrollPending = true;
        QTimer::singleShot(0, History, [this] {
            m_tapeScrollPending = false;
            m_renderedTopIndex = m_core.HistoryTopIndex;
            if (QListWidgetItem* top = History->item(m_renderedTopIndex))
                History->scrollToItem(top, QAbstractItemView::PositionAtTop);
        });
    }
}

void TRechnerForm::HistoryToClipboard(bool MarkedOnly)
{
    const QList<RechnerCore::TapeLine>& lines = m_core.History;
    if (lines.isEmpty())
        return; // the clipboard keeps what it holds
    QStringList chosen;
    for (int i = 0; i < lines.size(); ++i)
        if (!MarkedOnly || History->item(i)->isSelected())
            chosen << lines[i].text;
    QGuiApplication::clipboard()->setText(historyClipboardText(chosen));
}

void TRechnerForm::MMarkLoeschenClick()
{
    QList<int> marked;
    for (int i = 0; i < History->count(); ++i)
        if (History->item(i)->isSelected())
            marked << i;
    guarded([&] { m_core.removeTapeLines(marked); });
    // The remaining lines were not marked; the list reused the items of the removed ones.
    History->clearSelection();
}

void TRechnerForm::reenterTapeLine(int row)
{
    if (row < 0 || row >= m_core.History.size())
        return; // a double-click on an empty tape
    const QString line = m_core.History[row].text;
    guarded([&] { m_core.takeTapeLine(line); });
}

bool TRechnerForm::tapeMouseEvent(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    if (event->type() == QEvent::MouseButtonPress) {
        // The right button opens the pop-up for the marked lines: it must not mark anew.
        if (mouse->button() == Qt::RightButton)
            return true;
        m_tapePressedAt = mouse->button() == Qt::LeftButton ? at : QPoint(-1, -1);
        return false;
    }
    // A line is dragged once the mouse has moved 5 pixels; Qt's own list drag would wait for
    // 10 and could move (delete) the line.
    const int row = History->currentRow();
    if (!(mouse->buttons() & Qt::LeftButton) || m_tapePressedAt.x() < 0 || row < 0
        || row >= m_core.History.size() || (at - m_tapePressedAt).manhattanLength() < 5)
        return false;
    m_tapePressedAt = QPoint(-1, -1);
    auto* data = new QMimeData;
    data->setData(TapeLineFormat, m_core.History[row].text.toUtf8());
    auto* drag = new QDrag(History);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
    return true;
}

bool TRechnerForm::tapeDropEvent(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const bool tapeLine = drop->mimeData()->hasFormat(TapeLineFormat);
    // Any list may be dragged over the entry; only a tape line is taken. Copied, never moved:
    // the source keeps its line.
    if (!tapeLine && !qobject_cast<QListWidget*>(drop->source())) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop && tapeLine) {
        const QString line = QString::fromUtf8(drop->mimeData()->data(TapeLineFormat));
        guarded([&] { m_core.takeTapeLine(line); });
    }
    return true;
}

} // namespace vdl
