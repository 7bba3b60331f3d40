#pragma once
// The current date and time as a day number (0 = 30.12.1899), pinnable in tests.
#include <QDateTime>

namespace vdl::Clock {

double now();
double today();               // whole days only
void pin(const QDateTime& t); // tests
void unpin();

// A local date and time as a day number and back (milliseconds kept).
double toDayNumber(const QDateTime& t);
QDateTime fromDayNumber(double dayNumber);

} // namespace vdl::Clock
