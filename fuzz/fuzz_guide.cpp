// Guide pages: any lines of text become page bytes with no byte above 127, every line ending
// in CR LF and no line break but those of the lines.
#include "fuzz/FuzzInput.h"
#include "info/GuideWriter.h"
#include <algorithm>

using namespace vdl;
using namespace vdl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QByteArray bytes = GuidePageBytes(lines);
    check(std::none_of(bytes.cbegin(), bytes.cend(), [](char b) { return static_cast<unsigned char>(b) > 127; }),
          "no byte above 127", text);
    check(bytes.endsWith("\r\n") && bytes.count("\r\n") >= lines.size() && bytes.count('\n') == lines.size(),
          "every line ends in CR LF, no other line break", text);
    return 0;
}
