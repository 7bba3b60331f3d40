// The calculation engine: one operator step in the window's number system.
#include "calculator/BaseDigits.h"
#include "calculator/RechnerCore.h"
#include "calculator/TimeText.h"
#include "platform/CheckedMath.h"
#include "platform/Cp1252.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_numbers.h"
#include "toolkit/vdlTools_strings.h"
#include <cmath>

namespace vdl {

namespace {

const QString invalidEntry = QStringLiteral("Der Eingabewert ist ungültig!");

QString dateText(long double day)
{
    return DateToText(false, false, 0, double(day));
}

// A typed date holds the separator of ',' and '.' that is no decimal separator ("1.2.2020"
// with a decimal comma, "1,2,2020" with a decimal point), or exactly two decimal separators.
bool looksLikeDate(const QString& entry)
{
    const QChar decimal = Regional::current().decimalSeparator;
    for (QChar mark : {QLatin1Char(','), QLatin1Char('.')})
        if (mark != decimal && entry.contains(mark))
            return true;
    return entry.count(decimal) == 2;
}

// Applies the pending operator of the bases, roman numerals and dates.
long double applyBasic(unsigned char op, long double akku, long double wert)
{
    switch (op) {
    case '+': return fp::add(akku, wert);
    case '-': return fp::sub(akku, wert);
    case op::Mult: return fp::mul(akku, wert);
    case op::Div: return fp::div(akku, wert);
    default: return akku;
    }
}

// Division and modulo by 0 fail in every system, whatever the accumulator holds, before the
// shortcut for an operand and accumulator of 0 could show 0.
void refuseZeroDivisor(unsigned char op, long double operand)
{
    if ((op == op::Div || op == op::Mod) && operand == 0)
        throw FloatError::divisionByZero();
}

} // namespace

// The day number of a typed date, read with our own pattern so the digits can be taken
// back apart whatever the display pattern is.
bool RechnerCore::readDate(const QString& text, long double& day)
{
    QString formatted = QStringLiteral("yyyy mm dd");
    if (!ParseDate(text, Var(0), formatted, 1950))
        return false;
    const QStringList parts = formatted.split(QLatin1Char(' '));
    double date = 0;
    if (parts.size() != 3
        || !TryEncodeDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), date))
        return false;
    day = date;
    return true;
}

bool RechnerCore::readDayCount(const QString& text, long double& days)
{
    if (!text.endsWith(QLatin1String("Tage")))
        return false;
    QString number = text.chopped(4);
    if (number.endsWith(QLatin1Char(' ')))
        number.chop(1);
    return !number.isEmpty() && TryStrToFloat(number, days);
}

QString RechnerCore::FormatNumber(long double Value) const
{
    return FNK >= 0 ? FormatFloat(FFormat, Value) : FloatToStr(Value);
}

int RechnerCore::ParseEntry(long double& Value)
{
    // An operator on an empty entry repeats the last operand.
    if (Eingabe.isEmpty())
        Eingabe = FLetzteEingabe;
    else
        FLetzteEingabe = Eingabe;
    if (Eingabe.isEmpty())
        return 0;
    long double v = 0;
    if (FSystem == NumberSystem::Time) {
        // A duration, or the plain number that multiplies or divides one.
        const bool factor = FOperator == op::Mult || FOperator == op::Div;
        if (factor ? !Eingabe.contains(QLatin1Char(':')) && TryStrToFloat(Eingabe, v) : ReadDuration(Eingabe, v)) {
            Value = v;
            return 1;
        }
        ShowMessage(invalidEntry, QStringLiteral("Fehler"), mb::Ok);
        Eingabe.clear();
        return 0;
    }
    if (FSystem == NumberSystem::Date && readDayCount(Eingabe, v)) {
        Value = v;
        return 1;
    }
    if (FSystem == NumberSystem::Date
        && (FPosten == 0 || Eingabe.contains(QLatin1Char('.')) || Eingabe.contains(QLatin1Char(',')))) {
        long double day = 0;
        if (readDate(Eingabe, day)) {
            Value = day;
            return 2;
        }
    }
    if (TryStrToFloat(Eingabe, v)) {
        Value = v;
        return 1;
    }
    ShowMessage(invalidEntry, QStringLiteral("Fehler"), mb::Ok);
    Eingabe.clear();
    return 0;
}

bool RechnerCore::ParseResult(long double& Value)
{
    if (EAnzeige.isEmpty())
        return true;
    long double v = 0;
    const bool ok = TryStrToFloat(EAnzeige, v);
    Value = ok ? v : 0;
    return ok;
}

bool RechnerCore::CalcDecimal(QString& EntryText)
{
    EntryText.clear();
    const long double Old = FAkku;
    if (ParseEntry(FWert) == 0)
        return false;
    refuseZeroDivisor(FOperator, FWert);
    if (FWert == 0 && FAkku == 0) {
        // Show the 0 that was entered, so that "=" does not repeat an old result.
        EAnzeige = FormatNumber(0);
        EntryText = EAnzeige;
        return true;
    }
    long double a = FAkku;
    switch (FOperator) {
    case '^': a = fp::power(FAkku, FWert); break;
    case op::Root: a = fp::sqrt(FWert); break;
    case op::Mod: a = fp::sub(Old, fp::mul(truncl(fp::div(Old, FWert)), FWert)); break;
    default: a = applyBasic(FOperator, FAkku, FWert); break;
    }
    if (FNeuerOperator == '%')
        a = fp::div(a, 100);
    // The accumulator holds exactly what is shown, rounded to the chosen places.
    EAnzeige = FormatNumber(a);
    long double shown = a;
    FAkku = TryStrToFloat(EAnzeige, shown) ? shown : a;
    EntryText = FormatNumber(FWert);
    return true;
}

bool RechnerCore::CalcPercent(QString& Prefix, unsigned char Op)
{
    long double p = 0;
    if (ParseEntry(p) == 0)
        return false;
    long double v = 0;
    if (Op == '%') {
        Prefix = QLatin1Char('(') + FormatNumber(p) + QLatin1String(" %) ");
        v = fp::div(fp::mul(FAkku, p), 100);
    } else {
        Prefix = QLatin1Char('(') + FormatNumber(p) + QLatin1String(" %iH) ");
        v = fp::div(fp::mul(FAkku, p), fp::add(p, 100));
    }
    // Added, subtracted or divided is the amount as shown, not the percentage.
    if (FOperator == '+' || FOperator == '-' || FOperator == op::Div)
        Eingabe = FormatNumber(v);
    return true;
}

bool RechnerCore::CalcWhatPercent(long double& Percent, long double& y)
{
    if (ParseEntry(y) == 0)
        return false;
    Percent = FAkku == 0 ? 0 : fp::div(fp::mul(y, 100), FAkku);
    return true;
}

bool RechnerCore::CalcDate(QString& EntryText)
{
    // A new calculation goes on with the date or day count shown.
    if (Eingabe.isEmpty() && FLetzteEingabe.isEmpty() && FPosten == 0 && !EAnzeige.isEmpty())
        Eingabe = EAnzeige;
    const int kind = ParseEntry(FWert);
    if (kind == 0) {
        ShowMessage(invalidEntry, QStringLiteral("Fehler"), mb::Ok);
        Eingabe.clear();
        return false;
    }
    // A calculation starts with a date (or a day count shown before); to a date days are
    // added or subtracted, and a date subtracted gives a day count. To a day count days are
    // added or subtracted, and a date added gives that date moved; two dates are never added,
    // nor is a date subtracted from days.
    long double days = 0;
    const bool countText = kind == 1 && readDayCount(Eingabe, days);
    const bool plus = FOperator == '+';
    const bool minus = FOperator == '-';
    bool count = m_dayCount;
    if (FPosten == 0 && plus) {
        if (kind != 2 && !countText)
            return false;
        count = countText;
    } else if (FPosten > 0 && (plus || minus)) {
        if (kind == 2) {
            if (plus == count) // a date added to days, or subtracted from a date
                count = !count;
            else
                return false;
        }
    } else if (!minus) {
        return false;
    }
    if (FWert == 0 && FAkku == 0) {
        m_dayCount = count;
        EAnzeige.clear(); // day 0 is shown as nothing
        return true;
    }
    const long double a = plus ? fp::add(FAkku, FWert) : fp::sub(FAkku, FWert);
    EntryText = kind == 1 ? FormatNumber(FWert) + QLatin1String(" Tage") : dateText(FWert);
    EAnzeige = count ? FormatNumber(a) + QLatin1String("Tage") : dateText(a);
    m_dayCount = count;
    FAkku = a;
    return true;
}

bool RechnerCore::CalcTime(QString& EntryText)
{
    EntryText.clear();
    // A new calculation goes on with the duration shown.
    if (Eingabe.isEmpty() && FLetzteEingabe.isEmpty() && FPosten == 0 && EAnzeige.contains(QLatin1Char(':')))
        Eingabe = EAnzeige;
    if (Eingabe.isEmpty() && FLetzteEingabe.isEmpty())
        return true; // nothing to compute: the line shows the operator alone
    const bool factor = FOperator == op::Mult || FOperator == op::Div;
    if (ParseEntry(FWert) == 0)
        return false;
    const auto operandText = [&] { return factor ? FloatToStr(FWert) : DurationText(FWert); };
    refuseZeroDivisor(FOperator, FWert);
    if (FWert == 0 && FAkku == 0) {
        EAnzeige = DurationText(0);
        EntryText = operandText();
        return true;
    }
    // Durations are added and subtracted, multiplied and divided by numbers; the other
    // operators leave the accumulator as it is.
    const long double a = RoundToSeconds(applyBasic(FOperator, FAkku, FWert));
    EntryText = operandText();
    EAnzeige = DurationText(a);
    FAkku = a;
    return true;
}

void RechnerCore::CalcBase(QString& EntryText)
{
    EntryText.clear();
    if (Eingabe.isEmpty())
        Eingabe = FLetzteEingabe;
    else
        FLetzteEingabe = Eingabe;
    if (Eingabe.isEmpty())
        return;
    FWert = BaseToFloat(Eingabe, FSystem);
    refuseZeroDivisor(FOperator, FWert);
    if (FWert == 0 && FAkku == 0) {
        // Show the 0 that was entered (roman numerals have none and show nothing).
        EAnzeige = BaseDigits(0, FSystem);
        EntryText = EAnzeige;
        return;
    }
    // The accumulator keeps its fraction; only the display drops it.
    const long double a = applyBasic(FOperator, FAkku, FWert);
    EAnzeige = SignedBaseDigits(a, FSystem);
    EntryText = BaseDigits(fabsl(FWert), FSystem);
    FAkku = a;
}

long double RechnerCore::factorialOf(long double x) const
{
    const long double n = truncl(x);
    // 1755! is beyond the extended range: fail at once instead of looping up to n.
    if (n >= 1755)
        throw FloatError::overflow();
    long double r = 1;
    for (long double i = 2; i <= n; ++i)
        r *= i;
    return r;
}

bool RechnerCore::Calculate(unsigned char Op)
{
    Batch batch(*this);
    FNeuerOperator = Op;
    bool result = true;
    QString Prefix, Entry;
    if (Op == '=')
        FLetzteEingabe.clear();

    // Start of a decimal or currency calculation: an empty entry continues with the shown
    // result, and a date or day count switches the window to the date system for this
    // calculation, a duration (shown after one) to the time system.
    if (FPosten == 0 && NumberSystem::hasDecimals(FSystem)) {
        try {
            Entry = Eingabe;
            if (Entry.isEmpty()) {
                Entry = EAnzeige;
                Eingabe = Entry;
            }
            const auto switchTo = [this](int code) {
                const QString kept = Eingabe;
                m_autoReturnSystem = FSystem;
                m_autoReturnCurrency = PnlWaehrung.Tag;
                SetSystem(code);
                SetNK(0);
                SystChange();
                FAutoUmgeschaltet = true; // only now, or the clearing above would switch back
                Eingabe = kept;
            };
            QString formatted;
            long double value = 0;
            if (Entry.contains(QLatin1Char(':')) && ReadDuration(Entry, value))
                switchTo(NumberSystem::Time);
            else if ((looksLikeDate(Entry) && ParseDate(Entry, Var(), formatted, 1950)) || readDayCount(Entry, value))
                switchTo(NumberSystem::Date);
        } catch (const std::exception&) {
        }
    }

    const long double akkuBefore = FAkku;
    const QString anzeigeBefore = EAnzeige;
    if (FSystem == NumberSystem::Date) {
        CalcDate(Entry); // a refused step still writes its line and becomes pending
    } else if (FSystem == NumberSystem::Time) {
        result = CalcTime(Entry);
    } else if (!NumberSystem::hasDecimals(FSystem)) {
        CalcBase(Entry);
    } else {
        if (Op == '%' || Op == op::PercentIH) {
            if (FOperator == op::Mult) {
                result = CalcDecimal(Entry);
            } else {
                result = CalcPercent(Prefix, Op);
                if (result) {
                    FNeuerOperator = 0;
                    result = CalcDecimal(Entry);
                    if (result)
                        FNeuerOperator = '=';
                }
            }
        } else if (Op == op::WhatPercent) {
            FNeuerOperator = '+';
            result = CalcDecimal(Entry);
            if (result) {
                Prefix = FormatNumber(FAkku) + QLatin1String(" = ") + FormatNumber(100);
                EAnzeige = Prefix + QLatin1String(" %");
                AddHistory(Prefix, QStringLiteral("%"), 0);
                FOperator = op::WhatPercent;
                EingabeOp = QStringLiteral("?%");
                Eingabe.clear();
                return true;
            }
        } else {
            result = CalcDecimal(Entry) || Op == '=';
        }

        // Any operator ends a what-percentage: the percentage goes to the tape and FWert.
        if (FOperator == op::WhatPercent) {
            FNeuerOperator = '=';
            long double pct = 0, y = 0;
            if (CalcWhatPercent(pct, y)) {
                QString s = FormatNumber(pct);
                const auto integerPart = [&s] {
                    const qsizetype comma = s.indexOf(Regional::current().decimalSeparator);
                    return comma < 0 ? s.size() : comma;
                };
                while (FNK < 0 ? s.size() < 3 : integerPart() < 3)
                    s.prepend(QLatin1String("  "));
                AddHistory(FormatNumber(y) + QLatin1String(" = ") + s, QStringLiteral("%"), 0);
                FWert = pct;
                ClearResult(true);
            }
            return result;
        }
    }

    if (result) {
        QString Suffix = currencySuffix();
        if (FOperator == op::Div || FOperator == op::Mult || FOperator == ':' || FOperator == '/'
            || FOperator == '*')
            Suffix.clear(); // a factor is no amount
        long double factorial = 0;
        if (FNeuerOperator == '!') {
            try {
                factorial = factorialOf(FAkku);
            } catch (const FloatError&) {
                FAkku = akkuBefore;
                EAnzeige = anzeigeBefore;
                throw;
            }
        }
        const QString newOp = QChar(FNeuerOperator);
        AddHistory(Prefix + Entry + Suffix, newOp, mMinuswerteRot && FOperator == '-' ? 255 : 0);
        if (FSpeicherautomatik && m_host)
            m_host->passToMemory(*this, Eingabe, newOp);
        Eingabe.clear();
        if (FNeuerOperator == '!') {
            FAkku = factorial;
            EAnzeige = FormatNumber(factorial);
        }
        if (FNeuerOperator == '!' || FNeuerOperator == '%') {
            AddHistory(QString(), QStringLiteral("="), 0);
            FNeuerOperator = '=';
        }
        EingabeOpFont = FNeuerOperator == op::Root ? QStringLiteral("Symbol") : QStringLiteral("Arial");
        Entry = EAnzeige;
        if (FOperator == op::Mod)
            Entry.prepend(QLatin1String("Rest "));
        EingabeOp = QString(QChar(FNeuerOperator));
        FOperator = FNeuerOperator;
        if (FNeuerOperator == '=') {
            AddHistory(Entry + currencySuffix(), QStringLiteral("*"), mMinuswerteRot && FAkku < 0 ? 255 : 0);
            FWert = FAkku;
            FLetzteEingabe.clear();
            ClearResult(false);
        }
    }
    m_keys[BKom].enabled = m_decimalMode || FSystem == NumberSystem::Time;
    updateSeparatorKey();
    return result;
}

void RechnerCore::ClearResult(bool ClearEntry)
{
    Batch batch(*this);
    FAkku = 0;
    if (ClearEntry)
        Eingabe.clear();
    EingabeOp.clear();
    FOperator = '+';
    FPosten = 0;
    FNeueEingabe = false;
    m_dayCount = false;
    updateSeparatorKey();
    if (FAutoUmgeschaltet) {
        // Cleared first: the system change below comes back here.
        FAutoUmgeschaltet = false;
        SetSystem(m_autoReturnSystem);
        systChange(qMax(m_autoReturnCurrency, 0), false);
    }
}

} // namespace vdl
