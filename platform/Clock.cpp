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
    return toDayNumber(pinned() ? *pinned() : QDateTime::currentDateTime());
}

double toDayNumber(const QDateTime& t)
{
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

QDateTime fromDayNumber(double dayNumber)
{
    int year = 0, month = 0, day = 0, hour = 0, min = 0, sec = 0, msec = 0;
    DecodeDate(dayNumber, year, month, day);
    DecodeTime(dayNumber, hour, min, sec, msec);
    return QDateTime(QDate(year, month, day), QTime(hour, min, sec, msec));
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
