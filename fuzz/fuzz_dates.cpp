// The date readers and writers: typed dates with and without a reference date, finished
// date texts, the regional short date, and the formatter on any day number.
//
// Input: a flags byte (bit 0 English separators; bits 1-2 the reference date: none, a day
// number, a text), a pivot year byte, eight bytes of a day number (any double), then lines:
// the typed text, a reference text, an output pattern and a second date text.
#include "fuzz/FuzzInput.h"
#include "platform/DateTimeText.h"
#include "platform/Error.h"
#include "toolkit/vdlTools_dates.h"

using namespace vdl;
using namespace vdl::fuzz;

namespace {

bool hasLetter(const QString& s)
{
    for (QChar c : s)
        if (c.isLetter())
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    environment();
    Input in(data, size);
    const uint8_t flags = in.byte();
    useSeparators(flags & 1);
    const int pivot = 1900 + in.byte();
    const double day = in.float64();
    const QString typed = in.text();
    const QString referenceText = in.text();
    const QString pattern = in.text();
    const QString other = in.text();

    Var reference;
    switch ((flags >> 1) & 3) {
    case 1: reference = Var::date(day); break;
    case 2: reference = Var(referenceText); break;
    default: break;
    }

    QString dateText;
    if (ParseDate(typed, reference, dateText, pivot)) {
        // A date the reader wrote in its own form is a finished date text, and reads again
        // as the same date.
        if (!hasLetter(dateText)) {
            check(IsDateText(dateText, false), "ParseDate writes a date text", typed + QLatin1String(" -> ") + dateText);
            QString again;
            check(ParseDate(dateText, Var(), again, pivot) && again == dateText, "ParseDate reads its own text",
                  dateText + QLatin1String(" -> ") + again);
        }
    } else {
        check(dateText.isEmpty(), "ParseDate leaves no text when it fails", dateText);
    }
    QString patterned = pattern;
    ParseDate(typed, reference, patterned, pivot);

    IsDateText(typed, flags & 8);
    if (SameDateText(typed, other))
        check(SameDateText(other, typed), "SameDateText is symmetric", typed + QLatin1String(" / ") + other);

    double read = 0;
    if (TryStrToDate(typed, read)) {
        const QString shown = DateToStr(read);
        double again = 0;
        check(TryStrToDate(shown, again) && again == read, "DateToStr reads back", shown);
    }

    FormatDateTime(pattern, day);
    DayOfWeek(day);
    int y, m, d, h, n, s, z;
    DecodeDate(day, y, m, d);
    DecodeTime(day, h, n, s, z);
    YearOfDate(day);
    MonthOfDate(day);
    DayOfDate(day);
    TimeToText(flags & 16, flags & 32, day);
    try {
        DayOfWeekIso(day);
    } catch (const FloatError&) {
    }
    try {
        DateToText(flags & 16, flags & 32, (flags >> 6) & 1, day);
    } catch (const FloatError&) {
    }
    return 0;
}
