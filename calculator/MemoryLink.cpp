#include "calculator/MemoryLink.h"
#include "calculator/BaseDigits.h"
#include "calculator/RechnerCore.h"
#include "calculator/TimeText.h"
#include "platform/CheckedMath.h"
#include "platform/Cp1252.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_numbers.h"
#include <cmath>
#include <stdexcept>

namespace vdl {

namespace {

// The general format without exponent. The receiver reads a value as typed keys, and an "E"
// would be dropped there as no digit of the decimal system.
QString plainText(long double value)
{
    const QString general = FloatToStr(value);
    const qsizetype e = general.indexOf(QLatin1Char('E'));
    if (e < 0)
        return general;
    const QChar sep = Regional::current().decimalSeparator;
    const bool negative = general.startsWith(QLatin1Char('-'));
    QString digits = general.mid(negative ? 1 : 0, e - (negative ? 1 : 0));
    digits.remove(sep);
    const int exponent = general.mid(e + 1).toInt();
    QString out;
    if (exponent < 0)
        out = QLatin1Char('0') + sep + QString(-exponent - 1, QLatin1Char('0')) + digits;
    else if (digits.size() > exponent + 1)
        out = digits.left(exponent + 1) + sep + digits.mid(exponent + 1);
    else
        out = digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    return negative ? QLatin1Char('-') + out : out;
}

QString convert(QString text, int from, int to, bool factor, const RateReader& fromRate, const RateReader& toRate)
{
    if (from == to && to != NumberSystem::Currency) {
        long double v = 0;
        const bool exponent = to == NumberSystem::Decimal && text.contains(QLatin1Char('E')) && TryStrToFloat(text, v);
        return exponent ? plainText(v) : text;
    }
    // A duration is no date, nor a date a duration.
    if ((from == NumberSystem::Time && to == NumberSystem::Date) || (from == NumberSystem::Date && to == NumberSystem::Time))
        throw std::invalid_argument("time and date");
    // A decimal value goes into a base, roman numerals or a date as its integer part; into
    // the time system as hours.
    const QChar sep = Regional::current().decimalSeparator;
    if (from == NumberSystem::Decimal && !NumberSystem::hasDecimals(to) && to != NumberSystem::Time
        && text.contains(sep))
        text.truncate(text.lastIndexOf(sep));

    long double v = 0;
    switch (from) {
    case NumberSystem::Date:
        if (RechnerCore::readDayCount(text, v))
            break; // a day count: its number of days
        if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.'))) {
            if (!RechnerCore::readDate(text, v))
                v = 0; // no date: nothing to say about it
        } else {
            v = StrToFloat(text);
        }
        break;
    case NumberSystem::Decimal:
        v = StrToFloat(text);
        break;
    case NumberSystem::Currency:
        v = StrToFloat(text);
        if (!factor)
            v = fp::mul(v, fromRate());
        break;
    case NumberSystem::Time:
        // Hours: a duration, or the plain number that multiplies or divides one.
        if (!ReadDuration(text, v))
            v = StrToFloat(text);
        break;
    default:
        v = BaseToFloat(text, from);
        break;
    }

    switch (to) {
    case NumberSystem::Date:
        // A small number is a count of days, a large one a date.
        return v < 10000 ? plainText(v) : DateToText(false, false, 0, double(Trunc(v)));
    case NumberSystem::Decimal:
        return plainText(v);
    case NumberSystem::Currency:
        return plainText(factor ? v : fp::div(v, toRate()));
    case NumberSystem::Time:
        return factor ? plainText(v) : DurationText(v);
    default:
        // A base takes the integer part, roman numerals the nearest integer (an amount of
        // 2,60 is III); a duration goes into either cut to its full hours (1:30 is I).
        return BaseDigits(from == NumberSystem::Time ? truncl(v) : v, to);
    }
}

} // namespace

bool ConvertValue(const QString& Text, int From, int To, bool Factor, const RateReader& FromRate,
                  const RateReader& ToRate, QString& Result)
{
    try {
        Result = convert(Text, From, To, Factor, FromRate, ToRate);
        return true;
    } catch (const std::exception&) {
        ShowMessage(QStringLiteral("Der Wert ist nicht umsetzbar!"), QStringLiteral("Warnung"), mb::IconError);
        Result.clear();
        return false;
    }
}

bool isFactorOperator(unsigned char op)
{
    return op == op::Div || op == op::Mult || op == ':' || op == '/' || op == '*';
}

namespace {

// The number of a text the window shows or holds, read in the window's own system; 0 for a
// text that is no number there.
long double shownValue(const QString& text, int system)
{
    long double v = 0;
    QString digits = text;
    if (digits.startsWith(QLatin1Char('-')))
        digits.remove(0, 1);
    switch (system) {
    case NumberSystem::Decimal:
    case NumberSystem::Currency:
        return TryStrToFloat(text, v) ? v : 0;
    case NumberSystem::Date:
        return RechnerCore::readDate(text, v) || TryStrToFloat(text, v) ? v : 0;
    case NumberSystem::Time:
        return ReadDuration(text, v) ? v : 0;
    default:
        return BaseToFloat(digits, system);
    }
}

} // namespace

bool memoryAddend(RechnerCore& sender, const QString& Op, QString& Text, int& From, QString& SendOp)
{
    long double value = 0;
    From = sender.FSystem;
    const bool entryParse = NumberSystem::hasDecimals(From) || From == NumberSystem::Date || From == NumberSystem::Time;
    if (!sender.Eingabe.isEmpty()) {
        Text = sender.Eingabe;
        if (!entryParse)
            value = shownValue(Text, From); // a base or roman numerals take only their digits
        else if (sender.ParseEntry(value) == 0)
            return false; // refused: the entry parse has said so and cleared the entry
    } else if (!sender.EAnzeige.isEmpty()) {
        Text = sender.EAnzeige;
        if (RechnerCore::readDayCount(Text, value)) {
            // A day count (also shown back in the decimal system) goes as a number of days.
            From = NumberSystem::Date;
        } else if (Text.contains(QLatin1Char(':')) && ReadDuration(Text, value)) {
            From = NumberSystem::Time; // so does a duration, in hours
        } else {
            value = shownValue(Text, From);
        }
    } else {
        // The last value is a number, written in decimals (an amount stays in its currency).
        value = sender.FWert;
        Text = FloatToStr(value);
        if (From != NumberSystem::Currency)
            From = NumberSystem::Decimal;
    }
    if (value == 0 && sender.History.isEmpty())
        return false;
    QChar sign = QLatin1Char('+');
    if (Text.startsWith(QLatin1Char('+')) || Text.startsWith(QLatin1Char('-'))) {
        sign = Text[0];
        Text.remove(0, 1);
    }
    // M- of a negative value adds.
    SendOp = sign == Op[0] ? QStringLiteral("+") : QStringLiteral("-");
    return true;
}

void MemoryKey(RechnerCore& window, RechnerCore& memory, const QString& Op, const RateReader& WindowRate,
               const RateReader& MemoryRate)
{
    const bool factor = isFactorOperator(window.FOperator);
    if (Op == QLatin1String("+") || Op == QLatin1String("-")) {
        // Read in the window's own system and converted from it, as automatic transfer does.
        QString text, sendOp, value;
        int from = NumberSystem::Decimal;
        if (!memoryAddend(window, Op, text, from, sendOp)
            || !ConvertValue(text, from, memory.FSystem, factor, WindowRate, MemoryRate, value))
            return;
        // The sign takes the memory's pending operator and the value counts at once, as a
        // signed text typed there would; a value without digits there counts as 0.
        takeStep(memory, sendOp[0].unicode(), value.isEmpty() ? QStringLiteral("0") : value, QStringLiteral("+"));
    } else if (Op == QLatin1String("C")) {
        memory.InputProcessing(QStringLiteral("Y"), false);
    } else if (Op == QLatin1String("R")) {
        // Recalled in this window's system: a binary memory's "1000" is 8 in a decimal window.
        // Its last value is a number, written in decimals (an amount stays in its currency).
        const bool shown = !memory.EAnzeige.isEmpty();
        const QString text = shown ? memory.EAnzeige : FloatToStr(memory.FWert);
        const int from = shown || memory.FSystem == NumberSystem::Currency ? memory.FSystem : NumberSystem::Decimal;
        QString value;
        if (ConvertValue(text, from, window.FSystem, factor, MemoryRate, WindowRate, value))
            window.Eingabe = value.isEmpty() ? QStringLiteral("0") : value;
    }
}

void takeStep(RechnerCore& memory, unsigned char Pending, const QString& Operand, const QString& Op)
{
    if (Op != QLatin1String("Y")) {
        // The memory computes what the sender computed: the same pending operator (a sign
        // typed into the sender may have replaced it) on the signed operand.
        memory.FOperator = Pending;
        if (!Operand.isEmpty())
            memory.Eingabe = Operand;
    }
    memory.InputProcessing(Op, false);
}

} // namespace vdl
