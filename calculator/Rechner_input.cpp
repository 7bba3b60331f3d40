// Keyboard, and where tape events go. The window sees every key before its controls
// (the tape would otherwise swallow the digits), translates it into a code-page byte and
// hands it to the core.
#include "calculator/KeyEvents.h"
#include "calculator/Rechner.h"
#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace vdl {

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
        if (event->type() == QEvent::KeyRelease)
            return false;
        // A list with the keyboard keeps its keys (arrows and letters choose its entries);
        // one it does not take (Enter, Escape) passes to its parents and ends here.
        if (qobject_cast<QComboBox*>(focusWidget()))
            return watched != focusWidget();
        return FormKeyPress(watched, key);
    }
    case QEvent::FocusIn:
        resyncModifiers();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
        return watched == History->viewport() && tapeMouseEvent(event);
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // Only the entry panel takes tape lines.
        return (watched == Panel3 || watched == Eingabe || watched == EingabeOp) && tapeDropEvent(event);
    default:
        return false;
    }
}

bool TRechnerForm::FormKeyPress(QObject* watched, QKeyEvent* event)
{
    // Tab moves the focus, as in any window; a blank clicks a key reached with Tab.
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab
        || (event->key() == Qt::Key_Space && qobject_cast<QAbstractButton*>(watched)))
        return false;
    unsigned char byte = 0;
    // Arrows and function keys type nothing and stay with the control; any other character
    // the input cannot take (Ctrl+letters, no code-page byte) is swallowed.
    if (!typedByte(*event, byte))
        return !event->text().isEmpty();
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
