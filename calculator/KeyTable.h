#pragma once
// The keypad of a calculator window, one row per key: the key's name (also its control's
// name), caption, hint, its place on the keypad grid and the layers in which it is in front.
// Keys that share a place take turns: the held modifier's layer decides which one shows.
// The window turns grid places into pixels; the core reads names, captions and layers.
#include "calculator/RechnerCore.h"

namespace vdl {

struct KeyRow {
    enum Layers : unsigned { Normal = 1, Shift = 2, Ctrl = 4, All = Normal | Shift | Ctrl };
    RechnerCore::Key key;
    const char* name;    // "B7"
    const char* caption; // as the key shows it; "" for a key with a picture
    const char* hint;    // "" for none
    int column, row;     // keypad grid, from the top left
    unsigned layers;     // Layers in which the key is in front at its place
};

// Every key once, in the order the keypad is laid out (and Tab walks it).
const QList<KeyRow>& keyTable();
// The row of one key.
const KeyRow& keyRow(RechnerCore::Key key);

} // namespace vdl
