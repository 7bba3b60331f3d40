#include "calculator/KeyTranslation.h"
#include "calculator/Codes.h"
#include "platform/Cp1252.h"

namespace vdl {

KeyAction TranslateKey(unsigned char key, bool shift, bool ctrl, bool calculatorWindow, int system,
                       int posten)
{
    // Other control characters (Ctrl+letters) must never act as the internal commands 1..5.
    if (key < 0x20 && key != 8 && key != 13 && key != 27)
        return {};
    if (!calculatorWindow)
        return {KeyAction::ToCalculators, QString(QChar(key)), 0};

    QString text = QChar(key);
    switch (key) {
    case 13: text = QStringLiteral("="); break;
    case 8: text = QStringLiteral("<"); break;
    case '?':
        if (shift)
            text = QChar(op::WhatPercent);
        break;
    case '%':
        if (shift && posten == 0)
            text = QChar(op::WhatPercent);
        else if (ctrl)
            text = QChar(op::PercentIH);
        break;
    case op::Mult:
        if (ctrl)
            text = QStringLiteral("^");
        break;
    case op::Div:
        if (ctrl)
            text = QChar(op::Root);
        break;
    default: break;
    }

    // At the start of a decimal calculation r, d and z switch to roman, date and time.
    if (system == NumberSystem::Decimal && posten == 0) {
        switch (key) {
        case 'r': case 'R': return {KeyAction::SwitchSystem, QString(), NumberSystem::Roman};
        case 'd': case 'D': return {KeyAction::SwitchSystem, QString(), NumberSystem::Date};
        case 'z': case 'Z': return {KeyAction::SwitchSystem, QString(), NumberSystem::Time};
        default: break;
        }
    }
    return {KeyAction::Input, text, 0};
}

} // namespace vdl
