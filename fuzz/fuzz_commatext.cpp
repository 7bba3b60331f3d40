// Comma text both ways.
//
// Input: a comma text, then after a NUL byte a list whose items are separated by '\n'.
// A comma text read and written again reads as the same items; a list written reads back.
#include "fuzz/FuzzInput.h"
#include "platform/CommaText.h"

using namespace vdl;
using namespace vdl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const QString text = in.text(0);
    const QString listText = in.text(0);

    const QStringList items = ParseCommaText(text);
    const QString written = ToCommaText(items);
    check(ParseCommaText(written) == items, "a comma text read and written reads the same", text);

    if (!listText.isEmpty()) {
        const QStringList list = listText.split(QLatin1Char('\n'));
        const QString listWritten = ToCommaText(list);
        check(ParseCommaText(listWritten) == list, "a written list reads back", listWritten);
    }
    return 0;
}
