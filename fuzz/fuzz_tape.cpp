// Tape lines: taken apart, written in columns for files and the clipboard, and entered
// again in a window of any system (as a line dragged in from another program would be).
//
// Input: a system byte (an entry of the system list), a flags byte (bit 0 English
// separators, bit 1 count items), then tape lines separated by '\n'.
#include "calculator/HistoryText.h"
#include "calculator/RechnerCore.h"
#include "fuzz/CoreHost.h"
#include "fuzz/FuzzInput.h"
#include "platform/Error.h"

using namespace vdl;
using namespace vdl::fuzz;

namespace {

bool enterable(const QString& number)
{
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number[i];
        const bool ok = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('X'))
                        || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char(';')
                        || (i == 0 && c == QLatin1Char('-'));
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const uint8_t systemByte = in.byte();
    const uint8_t flags = in.byte();
    useSeparators(flags & 1);
    QStringList lines;
    while (!in.atEnd() && lines.size() < 64)
        lines << in.text();

    CoreHost host;
    RechnerCore core;
    core.setHost(&host);
    const int system = core.FSysteme[systemByte % core.FSysteme.size()];
    core.SystSelected(int(core.FSysteme.indexOf(system)));
    if (flags & 2)
        core.mPostenZaehlenClick();

    QList<RechnerCore::TapeLine> tape;
    for (const QString& line : std::as_const(lines)) {
        const TapeLineParts parts = splitTapeLine(line);
        check(parts.count.size() + parts.body.size() + parts.op.size() <= line.size(), "splitTapeLine adds nothing",
              line);
        check(tapeLineColumns(line).size() == 30, "a tape line is 30 columns wide", line);
        const QString number = tapeLineNumber(line, system);
        check(enterable(number), "a line gives only what an entry takes", line + QLatin1String(" -> ") + number);
        tape.append({line, 0});
        try {
            core.takeTapeLine(line);
        } catch (const Error&) {
            // A floating-point fault ends the entry with its message.
        }
    }
    check(historyFileBytes(tape).size() == tape.size() * 32, "a history file line is 30 columns and CR LF");
    historyClipboardText(lines);
    try {
        core.InputProcessing(QStringLiteral("="), true);
    } catch (const Error&) {
    }
    return 0;
}
