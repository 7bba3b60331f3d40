// The calculator core fed random key streams in random systems and places (the time system
// among them), with a memory window in a system of its own for the memory keys.
//
// Input: a system byte (an entry of the system list), a places byte (an entry of the places
// list), a flags byte (bit 0 English separators, bit 1 count items, bit 2 negatives in red,
// bit 3 automatic transfer, bits 4-5 the angle unit, bit 6 a memory window, bit 7 memory keys
// enabled), then one action per byte:
//   below 43        a click on that key, when it is enabled (as the window passes clicks on)
//   0xF6 i          the memory window picks system list entry i
//   0xF7 n text     InputProcessing of the next n % 16 bytes as one text
//   0xF8 i          the user picks system list entry i
//   0xF9 i          the user picks places list entry i
//   0xFA i          the user picks angle unit i
//   0xFB i          tape line i is entered again
//   0xFC i          tape line i is removed
//   0xFD m          Shift (bit 0) and Ctrl (bit 1) held or released
//   0xFE c          the character c typed on the keyboard
//   0xFF i          clear the tape, toggle "main systems only", "count items" or "negatives red"
//   anything else   InputProcessing of that character (Windows-1252)
#include "calculator/RechnerCore.h"
#include "fuzz/CoreHost.h"
#include "fuzz/FuzzInput.h"
#include "platform/Error.h"

using namespace vdl;
using namespace vdl::fuzz;

namespace {

void act(RechnerCore& core, RechnerCore& memory, Input& in)
{
    const uint8_t b = in.byte();
    if (b < RechnerCore::KeyCount) {
        if (core.key(RechnerCore::Key(b)).enabled)
            core.ButtonClick(RechnerCore::Key(b));
        return;
    }
    switch (b) {
    case 0xF6: memory.SystSelected(in.byte() % int(memory.SystItems.size())); return;
    case 0xF7: {
        const int n = in.byte() % 16;
        QString text;
        for (int i = 0; i < n; ++i)
            text += Cp1252::toUnicode(in.byte());
        core.InputProcessing(text, false);
        return;
    }
    case 0xF8: core.SystSelected(in.byte() % int(core.SystItems.size())); return;
    case 0xF9: core.DezStSelected(in.byte() % int(RechnerCore::dezStItems().size())); return;
    case 0xFA: core.WinkelSelected(in.byte() % 3); return;
    case 0xFB: {
        const uint8_t i = in.byte();
        if (!core.History.isEmpty())
            core.takeTapeLine(core.History[i % core.History.size()].text);
        return;
    }
    case 0xFC: {
        const uint8_t i = in.byte();
        if (!core.History.isEmpty())
            core.removeTapeLines({int(i % core.History.size())});
        return;
    }
    case 0xFD: {
        const uint8_t m = in.byte();
        (m & 1) ? core.FormKeyDown(16) : core.FormKeyUp(16);
        (m & 2) ? core.FormKeyDown(17) : core.FormKeyUp(17);
        return;
    }
    case 0xFE: core.FormKeyPress(in.byte(), core.FTasten & 2, core.FTasten & 1); return;
    case 0xFF:
        switch (in.byte() % 4) {
        case 0: core.MHistorieLoeschenClick(); return;
        case 1: core.mNurHauptSystemeClick(); return;
        case 2: core.mPostenZaehlenClick(); return;
        default: core.mMinuswerteRotClick(); return;
        }
    default: core.InputProcessing(QString(Cp1252::toUnicode(b)), false); return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    CoreHost host, memoryHost;
    RechnerCore core, memory;
    core.setHost(&host);
    memory.setHost(&memoryHost);
    memory.SetTyp(QStringLiteral("Speicher"));
    host.memory = &memory;
    const uint8_t system = in.byte();
    const uint8_t places = in.byte();
    const uint8_t flags = in.byte();
    useSeparators(flags & 1);
    if (flags & 64)
        core.SetTyp(QStringLiteral("Speicher"));
    if (flags & 128)
        core.setMemoryKeysEnabled(true);
    core.SystSelected(system % int(core.SystItems.size()));
    core.DezStSelected(places % int(RechnerCore::dezStItems().size()));
    if (flags & 2)
        core.mPostenZaehlenClick();
    if (flags & 4)
        core.mMinuswerteRotClick();
    if (flags & 8)
        core.setAutoTransfer(true);
    core.WinkelSelected((flags >> 4) % 3);

    while (!in.atEnd()) {
        try {
            act(core, memory, in);
        } catch (const Error&) {
            // The program shows the message and goes on with the next key.
        }
    }
    return 0;
}
