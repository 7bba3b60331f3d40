#pragma once
// What a window (the widget) and the letter keypad ask of the frame, beyond what a window's
// core asks through RechnerHost. Windows never reach for the frame or for each other's
// widgets directly: links, names and automatic transfer live in the frame's WindowModel,
// and other windows are opened, shown, placed and closed by the frame.
#include "calculator/RechnerCore.h"

namespace vdl {

class TRechnerForm;
class WindowModel;

class WindowHost : public RechnerHost {
public:
    virtual WindowModel& windowModel() = 0;
    // The open window of that number; null when there is none.
    virtual TRechnerForm* findWindow(int Nummer) const = 0;
    // Creates a window of Typ "Rechner" or "Speicher"; an empty Name becomes Typ and number.
    virtual TRechnerForm* NewWindow(const QString& Typ, const QString& Name = QString()) = 0;
    // The window closes: it leaves the model, and the windows that sent to it are unlinked.
    virtual void RemoveWindowName(int Nummer) = 0;
    // Shows the window and makes it the active one.
    virtual void showWindow(int Nummer) = 0;
    // Moves window Nummer to the right beside window Beside, tops aligned.
    virtual void placeBeside(int Nummer, int Beside) = 0;
    // Closes the window as its close box would; every window, when Nummer is 0.
    virtual void closeWindow(int Nummer) = 0;
    // The rate of the currency the window shows; throws when it shows none the lists know.
    virtual long double CurrencyRate(const RechnerCore& Window) const = 0;
    // Input for the active window, which comes to the front with the frame; false when no
    // window is open.
    virtual bool sendToActiveWindow(const QString& Text, bool FromButton) = 0;
};

} // namespace vdl
