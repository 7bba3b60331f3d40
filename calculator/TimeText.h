#pragma once
// Durations of the time system ("Zeit"): hours, minutes and seconds. A window in this system
// keeps its values in hours, so that a duration and a decimal number of hours are the same
// value ("1:30" is 1,5).
#include <QString>

namespace vdl {

// Reads "h", "h:mm" or "h:mm:ss" (hours above 24 too, an empty part counts 0) with an optional
// leading "-"; a text without ":" is a number of hours in the decimal form ("1,5"). False when
// minutes or seconds exceed 59 or the text is no duration.
bool ReadDuration(const QString& text, long double& hours);

// Rounds to whole seconds; a duration beyond 10^12 hours raises the overflow error.
long double RoundToSeconds(long double hours);

// "h:mm:ss", or "h:mm" when the seconds are 0; "-" before a negative duration; whole seconds.
QString DurationText(long double hours);

} // namespace vdl
