#pragma once
// The connection to a running office suite, as the run-time module for it offers it. The
// module (platform/uno) is loaded from the program's own folder, and only once a suite
// accepts connections on its pipe, so the program starts without the suite's libraries and
// runs where the suite is not installed. Neither side
// raises across this boundary: every call reports failure by its result.
//
// Everything but cut() is called on one worker thread, never on the user-interface thread.
#include <string>

namespace vdl::office {

struct Documents {
    bool text = false;        // a text document is open
    bool spreadsheet = false; // a spreadsheet is open
};

class Connection {
public:
    virtual ~Connection() = default;

    // What the suite has open; false when it no longer answers (the connection is then dead).
    virtual bool documents(Documents& open) = 0;

    // Text document: types the text at the view cursor of the current (or last active) text
    // document, moves that cursor one line down, brings its window to the front.
    virtual bool typeText(const std::u16string& text) = 0;
    virtual bool moveDown(int lines) = 0;
    virtual bool activateText() = 0;

    // Spreadsheet: the text into every selected cell of the current (or last active)
    // spreadsheet as if typed there; its window to the front.
    virtual bool setSelection(const std::u16string& text) = 0;
    virtual bool activateSpreadsheet() = 0;

    // Ends the connection from any thread; the suite's next answer on it is an error.
    virtual void cut() = 0;
};

// The module's one exported function: attaches to the suite listening on the named pipe; a
// null result when nothing answers there. Once the module is loaded, every attempt to attach
// calls it, also where a suite that ended left only the pipe's file; and the runtime's writes
// to a suite that has hung up fail, since the program ignores SIGPIPE from its start
// (OfficeLink::ignoreBrokenPipes).
using ConnectFunction = Connection* (*)(const char16_t* pipeName);
inline constexpr const char* ConnectSymbol = "vdlOfficeConnect";

} // namespace vdl::office
