// SQL rewriting: quotes, "like", "where" and comparisons with null in any text.
// The first byte chooses the options and where a "null" is put for FixNullCompare.
#include "fuzz/FuzzInput.h"
#include "toolkit/vdlDB.h"

using namespace vdl;
using namespace vdl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    if (size == 0)
        return 0;
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    QString result;
    ConvertSQL(text, data[0] & (soLikeStar | soNull), result);
    check(!result.contains(QLatin1Char('"')), "no double quote is left", text);
    // "null" placed anywhere: afterwards the returned position still points at it.
    QString s = text;
    const qsizetype at = data[0] % (text.size() + 1);
    s.insert(at, QLatin1String("null"));
    const int pos = FixNullCompare(s, int(at) + 1);
    check(pos >= 1 && s.mid(pos - 1, 4) == QLatin1String("null"), "the position points at null", s);
    return 0;
}
