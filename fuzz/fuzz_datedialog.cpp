// The date dialog's text reader: typed input with its suggestion, the count buttons, Enter
// and the dialog's keys, on any date the dialog can show.
//
// Input: a flags byte (bit 0 English separators, bit 1 the dialog expanded), four bytes that
// pick the shown date within the years 1 to 9999, then commands: the bytes 0xF0 to 0xF3 press
// Tag, Woche, Monat, Jahr; 0xF4 is Enter; 0xF5 a key (next byte: index into the keys below,
// the one after: Shift 1, Ctrl 2, Alt 4); 0xF6 releases the keys; 0xF7 clicks the day cell
// of the next byte; any other byte is typed as a Windows-1252 character.
#include "dates/DateDialogModel.h"
#include "fuzz/FuzzInput.h"
#include "platform/DateTimeText.h"
#include "toolkit/vdlTools_dates.h"

#include <cmath>

using namespace vdl;
using namespace vdl::fuzz;

namespace {

constexpr int Keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape,
                        Qt::Key_Tab,  Qt::Key_F1,    Qt::Key_F2, Qt::Key_F3,   Qt::Key_F4,     Qt::Key_F5,
                        Qt::Key_F6,   Qt::Key_F12,   Qt::Key_A};

// What the dialog shows must stay a date of the years 1 to 9999, whatever was typed.
void checkShown(const DateDialogModel& m)
{
    check(m.year() >= 1 && m.year() <= 9999, "the shown year stays within 1 to 9999", m.datumText());
    double shown = 0;
    check(TryStrToDate(m.datumText(), shown) && shown == std::trunc(m.date()), "the date field shows the date",
          m.datumText());
    if (!m.vorschlag().isEmpty()) {
        double d = 0;
        check(TryStrToDate(m.vorschlag(), d), "a suggestion reads as a date", m.eingabe() + QLatin1String(" -> ") + m.vorschlag());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const uint8_t flags = in.byte();
    useSeparators(flags & 1);
    const bool expanded = flags & 2;
    const double first = EncodeDate(1, 1, 1), last = EncodeDate(9999, 12, 31);
    DateDialogModel m;
    m.setDate(first + double(uint32_t(in.int32()) % uint32_t(last - first + 1)));
    checkShown(m);

    while (!in.atEnd()) {
        const uint8_t c = in.byte();
        if (c >= 0xF0 && c <= 0xF3) {
            const QString typed = m.eingabe();
            const QString error = m.applyCount(DateDialogModel::Unit(c - 0xF0));
            check(error.isEmpty() || error == DateDialogModel::WertFehlerText(typed), "a refused count names the input",
                  typed + QLatin1String(" -> ") + error);
            check(m.eingabe().isEmpty(), "a count button clears the input", m.eingabe());
        } else if (c == 0xF4) {
            if (m.enter() == DateDialogModel::Action::Error)
                check(!m.errorText().isEmpty(), "Enter reports what it refused");
        } else if (c == 0xF5) {
            const int key = Keys[in.byte() % (sizeof Keys / sizeof Keys[0])];
            const uint8_t mods = in.byte();
            Qt::KeyboardModifiers modifiers;
            if (mods & 1)
                modifiers |= Qt::ShiftModifier;
            if (mods & 2)
                modifiers |= Qt::ControlModifier;
            if (mods & 4)
                modifiers |= Qt::AltModifier;
            m.keyDown(key, modifiers, expanded);
        } else if (c == 0xF6) {
            m.keyUp();
        } else if (c == 0xF7) {
            m.pickCell(in.byte() % DateDialogModel::Cells);
        } else {
            m.typeChar(Cp1252::decode(QByteArray(1, char(c))).at(0));
        }
        checkShown(m);
    }
    // Only cells before the year 1 or after 9999 (at the grid's two ends) stay blank.
    for (int cell = 0; cell < DateDialogModel::Cells; ++cell)
        if (m.cellDate(cell) >= first && m.cellDate(cell) <= last)
            check(!m.cellText(cell).isEmpty(), "every day cell shows its day", m.datumText());
    return 0;
}
