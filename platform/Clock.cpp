#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include <cmath>
#include <optional>

namespace vdl::Clock {

namespace {
std::optional<QDateTime>& pinned()
{
    static std::optional<QDateTime> t;
    return t;
}
} // namespace

double now()
{
    const QDateTime t = pinned() ? *pinned() : QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime tm = t.time();
    double date = 0, time = 0;
    TryEncodeDate(d.year(), d.month(), d.day(), date);
    TryEncodeTime(tm.hour(), tm.minute(), tm.second(), tm.msec(), time);
    return date + time;
}

double today()
{
    return std::trunc(now());
}

void pin(const QDateTime& t)
{
    pinned() = t;
}

void unpin()
{
    pinned().reset();
}

} // namespace vdl::Clock
