#pragma once
// A running word processor or spreadsheet that the display value can be handed to. The
// program never starts one; it only attaches to an instance that already runs. No call
// raises: each reports a failure by its result, and callers drop failures silently.
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

namespace vdl {

class OfficeLink {
public:
    enum Program { WordProcessor, Spreadsheet };
    virtual ~OfficeLink() = default;

    // The attached instance still answers and has a document of the program's kind open;
    // false while nothing is attached.
    virtual bool alive() = 0;
    // Attaches to the running instance; false when none runs, the old attachment then stays.
    virtual bool attach() = 0;

    // Word processor: types the text at the cursor, moves the cursor down (unit 5: lines),
    // brings the program to the front.
    virtual bool typeText(const QString& text) = 0;
    virtual bool moveDown(int unit, int count) = 0;
    virtual bool activate() = 0;

    // Spreadsheet: puts the text into the selected cells; the title of its main window; the
    // window with exactly that title (0: none); bringing that window to the front.
    virtual bool setSelection(const QString& text) = 0;
    virtual std::optional<QString> caption() = 0;
    virtual quintptr findWindow(const QString& title) = 0;
    virtual bool bringToFront(quintptr window) = 0;

    // The link to a running office suite that listens on the URP pipe "vdlRechner" (started
    // with --accept="pipe,name=vdlRechner;urp;"), or on the named pipe. The word processor is
    // there while the suite has a text document open, the spreadsheet while it has a
    // spreadsheet open. The user-interface thread never waits for the suite: attaching and
    // every call run on a thread of the link's own, and a call's result says only whether it
    // was handed on; an answer counts from the next poll.
    static std::unique_ptr<OfficeLink> create(Program program);
    static std::unique_ptr<OfficeLink> create(Program program, const QString& pipe);

    // Called once at program start, before any link: a write to a pipe whose other end has
    // hung up fails instead of ending the process (see main.cpp).
    static void ignoreBrokenPipes();

    // How often the links of this process have tried their pipe, and how often they went on
    // to the suite's module there and tried to attach through it. Until the module is loaded,
    // a try only looks whether a suite listens on the pipe, and goes on to load the module
    // from the program's folder when one does; once the module is loaded, every try attaches
    // through it. Each counts when that step is over; both only grow, and tests wait on them.
    struct Tries {
        int looks = 0;
        int moduleCalls = 0;
    };
    static Tries tries();
};

} // namespace vdl
