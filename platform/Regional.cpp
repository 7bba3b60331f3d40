#include "platform/Regional.h"
#include <QLocale>
#include <optional>

namespace vdl {

namespace {
std::optional<Regional>& pinned()
{
    static std::optional<Regional> r;
    return r;
}
} // namespace

const Regional& Regional::current()
{
    auto& r = pinned();
    if (!r)
        r = fromSystem();
    return *r;
}

void Regional::set(const Regional& r)
{
    pinned() = r;
}

void Regional::reset()
{
    pinned().reset();
}

Regional Regional::german()
{
    return Regional();
}

Regional Regional::fromSystem()
{
    // Only the numeric separators follow the locale; dates keep the German form the program
    // writes into its files and reads back. A C/POSIX locale means "not configured".
    const QLocale loc = QLocale::system();
    Regional r;
    if (loc.language() == QLocale::C)
        return r;
    const QString point = loc.decimalPoint();
    const QString group = loc.groupSeparator();
    if (point.size() == 1)
        r.decimalSeparator = point[0];
    if (group.size() == 1 && group[0] != r.decimalSeparator)
        r.thousandSeparator = group[0];
    return r;
}

} // namespace vdl
