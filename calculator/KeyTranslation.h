#pragma once
// What a typed character means to a calculator or memory window, before it reaches
// InputProcessing. Pure: depends only on its arguments, so it is tested table by table.
// The windows turn their key events into code-page bytes (KeyEvents.h) before they get here.
#include <QString>

namespace vdl {

struct KeyAction {
    enum Kind {
        Drop,         // nothing happens
        Input,        // InputProcessing(text, false) of this window
        SwitchSystem, // the window changes to `system` by itself (r, d, z at the start)
        ToCalculators // memory window: text goes to every window that has this one as memory
    };
    Kind kind = Drop;
    QString text;
    int system = 0;
};

// key: the typed character as a Windows-1252 byte (13 Enter, 8 Backspace, 27 Escape).
// calculatorWindow: the window's type is "Rechner"; system and posten: its FSystem, FPosten.
KeyAction TranslateKey(unsigned char key, bool shift, bool ctrl, bool calculatorWindow, int system,
                       int posten);

} // namespace vdl
