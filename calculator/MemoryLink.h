#pragma once
// Values handed from one window to another along a memory link: converted between number
// systems, dates and currencies, and written so that the receiving window reads them as if
// they had been typed there. No widgets here; the windows and the frame decide who sends
// what to whom.
#include <QString>
#include <functional>

namespace vdl {

class RechnerCore;

// Reads a window's currency rate, only when a conversion needs it; it may throw (no currency).
using RateReader = std::function<long double()>;

// Converts Text from the system From into the system To (codes as RechnerCore::FSystem).
// Factor: the value is a factor or divisor (× or ÷ pending), which passes between currencies
// as it is. A failure shows "Der Wert ist nicht umsetzbar!" and returns false. A base takes
// the integer part, roman numerals the nearest integer (BaseDigits); a decimal text and a
// duration are cut first (2,6 and 2:36 are II). A base writes "0" for what has no digit there
// (0, a negative or a fraction), roman numerals an empty Result. Decimal results never carry
// an exponent: "0,000001", not "1E-6".
bool ConvertValue(const QString& Text, int From, int To, bool Factor, const RateReader& FromRate,
                  const RateReader& ToRate, QString& Result);

// True for the pending operators whose operand is a factor or divisor ("÷:/×*").
bool isFactorOperator(unsigned char op);

// M+ and M-: the unsigned value text, the system it is written in (From) and the operator to
// send for Op "+" or "-"; false when nothing is to be sent (the entry was refused, or the
// value is 0 on an empty tape). The value is read in the sender's own system; a day count goes
// as a number of days, the last value as a decimal number.
bool memoryAddend(RechnerCore& sender, const QString& Op, QString& Text, int& From, QString& SendOp);

// The memory keys of a window on the memory it is linked to. Op "+" and "-" (M+, M-) add or
// subtract the window's value there, "C" (MC) clears the memory's result, "R" (MR) recalls the
// memory's value into the window's entry, each converted between the two windows' systems.
// The rates are read only when a currency needs them.
void MemoryKey(RechnerCore& window, RechnerCore& memory, const QString& Op, const RateReader& WindowRate,
               const RateReader& MemoryRate);

// One step of automatic transfer arriving in memory: Operand (in the memory's system, signed,
// empty to repeat its last operand) computed under the sender's pending operator, then Op.
void takeStep(RechnerCore& memory, unsigned char Pending, const QString& Operand, const QString& Op);

} // namespace vdl
