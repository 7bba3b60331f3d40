#pragma once
// The current date and time as a day number (0 = 30.12.1899), pinnable in tests.
#include <QDateTime>

namespace vdl::Clock {

double now();
double today();               // whole days only
void pin(const QDateTime& t); // tests
void unpin();

} // namespace vdl::Clock
