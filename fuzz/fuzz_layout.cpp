// Layout files: any bytes read step by step as a layout. Whatever a file reads as, writing
// those windows again gives a file that reads back without fault as the same windows, and
// writing that once more gives the same bytes.
//
// Input: the bytes of a layout file. Seeds: fuzz/corpus/layout. Run: scripts/fuzz.sh 600 layout
#include "calculator/LayoutFile.h"
#include "fuzz/FuzzInput.h"

using namespace vdl;
using namespace vdl::fuzz;

namespace {

bool sameWindow(const LayoutWindow& a, const LayoutWindow& b)
{
    return a.Name == b.Name && a.Left == b.Left && a.Top == b.Top && a.System == b.System && a.NK == b.NK
           && a.Typ == b.Typ && a.Link == b.Link && a.Auto == b.Auto && a.Posten == b.Posten
           && a.Winkel == b.Winkel && a.Minuswerte == b.Minuswerte && a.Currency == b.Currency
           && a.NurHauptSysteme == b.NurHauptSysteme;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    const LayoutRead read = readLayout(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    check((read.FailedStep == 0) == read.Error.isEmpty(), "a failure has a text, a whole file none");
    check(read.FailedStep == 0 || (read.FailedStep >= 6 && read.FailedStep <= 31), "failures at the reading steps only");
    if (read.FailedStep)
        check(read.errorMessage().contains(QStringLiteral("FehlerCode: ")), "the message names the step");

    QByteArray written;
    if (!layoutFileBytes(read.Header, read.Windows, written))
        return 0; // a name the file cannot carry is refused
    const LayoutRead again = readLayout(written);
    check(again.FailedStep == 0, "a written file reads without fault");
    check(again.Windows.size() == read.Windows.size(), "a written file holds every window");
    for (qsizetype i = 0; i < read.Windows.size(); ++i)
        check(sameWindow(again.Windows[i], read.Windows[i]), "a written window reads back the same",
              read.Windows[i].Name);
    QByteArray twice;
    check(layoutFileBytes(again.Header, again.Windows, twice) && twice == written, "writing is stable");
    return 0;
}
