// Keyboard, drops and re-entry from the tape. The window sees every key before its controls
// (the tape would otherwise swallow the digits), translates it into a code-page byte and
// hands it to the core.
#include "calculator/Rechner.h"
#include "platform/Cp1252.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace vdl {

namespace {

// Virtual key codes of the modifiers as the key-layer logic counts them.
int modifierCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    default: return 0;
    }
}

} // namespace

bool TRechnerForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (const int code = modifierCode(key->key())) {
            if (event->type() == QEvent::KeyPress)
                m_core.FormKeyDown(code);
            else
                m_core.FormKeyUp(code);
            return false;
        }
        // A combo box keeps its keys (arrows and letters choose its entries).
        if (event->type() == QEvent::KeyRelease || qobject_cast<QComboBox*>(watched))
            return false;
        return FormKeyPress(watched, key);
    }
    case QEvent::FocusIn:
        resyncModifiers();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
        return watched == History->viewport() && tapeMouseEvent(event);
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Only the entry panel takes tape lines; any list box may be dragged over it.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (watched != Panel3 && watched != Eingabe && watched != EingabeOp)
            return false;
        if (qobject_cast<QListWidget*>(drag->source())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (watched != Panel3 && watched != Eingabe && watched != EingabeOp)
            return false;
        // Copy, never move: the source tape keeps its line.
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        auto* tape = qobject_cast<QListWidget*>(drop->source());
        if (tape && tape->property("Tag").toInt() == 2929)
            reenterTapeLine(tape, tape->currentRow());
        return true;
    }
    default:
        return false;
    }
}

bool TRechnerForm::FormKeyPress(QObject* watched, QKeyEvent* event)
{
    unsigned char byte = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: byte = 13; break;
    case Qt::Key_Backspace: byte = 8; break;
    case Qt::Key_Escape: byte = 27; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false; // moves the focus, as in any window
    case Qt::Key_Space:
        if (qobject_cast<QAbstractButton*>(watched))
            return false; // clicks a key reached with Tab; a blank means nothing to the input
        break;
    default: {
        const QString text = event->text();
        if (text.isEmpty())
            return false; // arrows, function keys: no character
        // A character without a code-page byte cannot be entered; the core drops control
        // characters such as Ctrl+letters.
        if (text.size() != 1 || !Cp1252::fromUnicode(text[0], byte))
            return true;
    }
    }
    const bool shift = m_core.FTasten & 2;
    const bool ctrl = m_core.FTasten & 1;
    guarded([&] { m_core.FormKeyPress(byte, shift, ctrl); });
    return true;
}

void TRechnerForm::resyncModifiers()
{
    // A Shift or Ctrl released while another window had the keyboard must not leave its
    // layer in front here.
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    m_core.SetTasten((held & Qt::ShiftModifier ? 2 : 0) | (held & Qt::ControlModifier ? 1 : 0));
}

void TRechnerForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        resyncModifiers();
    QWidget::changeEvent(event);
}

} // namespace vdl
