#pragma once
// The window side of typing: what a key event types, before the core translates it.
class QKeyEvent;

namespace vdl {

// The character a key press types, as a Windows-1252 byte: Enter 13, Backspace 8 and
// Escape 27 by their keys, anything else by its text. False when the key types nothing,
// another control character (Ctrl+letters, Tab) or a character the code page lacks.
bool typedByte(const QKeyEvent& event, unsigned char& byte);

// Virtual key codes of Shift (16) and Control (17) as the key layers count them; 0 for others.
int modifierCode(int qtKey);

} // namespace vdl
