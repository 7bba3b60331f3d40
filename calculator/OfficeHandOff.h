#pragma once
// Handing the display value to a running word processor or spreadsheet: the 2-second poll
// that finds them, and the text that is sent, with thousands dots.
#include "platform/OfficeLink.h"
#include <QString>
#include <memory>

namespace vdl {

// The text sent for a display text of a window in number system System (a NumberSystem
// code): in the decimal and currency systems and in every base, a plain number ([sign] digits
// of that base [,fraction]) gets a "." before every third digit left of the ","; the sign is
// never separated, so a base-16 1A2B3C goes as 1A2.B3C. The separators are "," and "."
// whatever the regional settings. Any other text (roman numerals, a date, "14Tage", a number
// with another decimal separator or an exponent) and every text while Ctrl or Alt is held is
// sent unchanged.
QString HandOffText(const QString& Display, int System, bool CtrlOrAlt);

class OfficeHandOff {
public:
    OfficeHandOff(); // this desktop's links
    OfficeHandOff(std::unique_ptr<OfficeLink> word, std::unique_ptr<OfficeLink> spreadsheet);

    // True while the attached program answers. When it does not, the program is looked for
    // again, and a found one counts from the next poll on.
    bool WordAvailable();
    bool ExcelAvailable();
    // The spreadsheet's main window, found by its title; 0 when that fails.
    quintptr ExcelWindowHandle();

    // Sends the display text; an empty text sends nothing, and every failure is dropped.
    void W1Click(const QString& Display, int System, bool CtrlOrAlt);
    void E1Click(const QString& Display, int System, bool CtrlOrAlt);

    std::unique_ptr<OfficeLink> WordApp;
    std::unique_ptr<OfficeLink> ExcelApp;
    quintptr ExcelWnd = 0;
};

} // namespace vdl
