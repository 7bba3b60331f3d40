#include "calculator/KeyEvents.h"
#include "platform/Cp1252.h"
#include <QKeyEvent>

namespace vdl {

bool typedByte(const QKeyEvent& event, unsigned char& byte)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: byte = 13; return true;
    case Qt::Key_Backspace: byte = 8; return true;
    case Qt::Key_Escape: byte = 27; return true;
    default: break;
    }
    const QString text = event.text();
    return text.size() == 1 && Cp1252::fromUnicode(text[0], byte) && byte >= 0x20;
}

int modifierCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    default: return 0;
    }
}

} // namespace vdl
