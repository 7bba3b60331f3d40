#pragma once
// Settings every test program starts from: German separators and a fixed "now".
#include "platform/Clock.h"
#include "platform/Regional.h"

namespace vdl::test {

// Sunday 06.12.2026 12:00:00 is "now" in every test that does not pin another time.
inline QDateTime pinnedNow()
{
    return QDateTime(QDate(2026, 12, 6), QTime(12, 0));
}

inline void pinGerman()
{
    Regional::set(Regional::german());
    Clock::pin(pinnedNow());
}

} // namespace vdl::test
