#include "dates/DateDialogModel.h"

#include "platform/Clock.h"
#include "platform/DateTimeText.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_dates.h"

#include <cmath>

namespace vdl {

namespace {

const QString EingabeZeichen =
    QStringLiteral("0123456789abdefghijklmnopqrstuvwxyzäABDEFGHIJKLMNOPQRSTUVWXYZÄ.,+-/\\ ");

// Counts are typed as plain numbers; anything beyond this is refused rather than wrapped.
constexpr int MaxCount = 65535;

int isoWeekday(double Date)
{
    const int dow = DayOfWeek(Date); // Sunday 1 .. Saturday 7
    return dow == 1 ? 7 : dow - 1;
}

long long floorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Brings the month into 1..12, carrying whole years.
void normaliseMonth(long long& M, long long& Y)
{
    Y += floorDiv(M - 1, 12);
    M = M - 1 - floorDiv(M - 1, 12) * 12 + 1;
}

int monthLength(long long M, long long Y)
{
    // Years outside int never reach a valid result; any length keeps the loop finite.
    return Y < -1000000 || Y > 1000000 ? 30 : DaysInMonth(int(M), int(Y));
}

} // namespace

DateDialogModel::DateDialogModel()
{
    setDate(0);
}

bool DateDialogModel::DatumAddieren(long long Tage, long long Wochen, long long Monate, long long Jahre,
                                    double Datum, double& Result)
{
    int y, m, d;
    DecodeDate(Datum, y, m, d);
    if (y == 0)
        return false;
    long long Y = y + Jahre, M = m + Monate, D = d + Tage + 7 * Wochen;
    normaliseMonth(M, Y);
    while (D < 1 || D > monthLength(M, Y)) {
        if (D < 1) {
            --M;
            normaliseMonth(M, Y);
            D += monthLength(M, Y);
        } else {
            D -= monthLength(M, Y);
            ++M;
            normaliseMonth(M, Y);
        }
    }
    if (Y < 1 || Y > 9999)
        return false;
    return TryEncodeDate(int(Y), int(M), int(D), Result);
}

double DateDialogModel::KW1Montag(int Jahr)
{
    double d;
    if (!TryEncodeDate(Jahr, 1, 1, d))
        return 0;
    const int w = isoWeekday(d);
    if (w >= 2 && w <= 4)
        return d - (w - 1);
    if (w >= 5)
        return d + (8 - w);
    return d;
}

QString DateDialogModel::WertFehlerText(const QString& T)
{
    if (T.isEmpty())
        return QStringLiteral("Ungültiger Wert!");
    return QLatin1Char('"') + T + QStringLiteral("\" ist ein ungültiger Wert!");
}

void DateDialogModel::setDate(double Datum)
{
    int y, m, d;
    DecodeDate(Datum, y, m, d);
    FDatum = std::trunc(Datum) == 0 || y == 0 ? Clock::today() : Datum;
    aktualisieren();
}

void DateDialogModel::aktualisieren()
{
    DecodeDate(FDatum, FJahr, FMonat, FTag);
    FErster = EncodeDate(FJahr, FMonat, 1);
    FLetzter = FErster + DaysInMonth(FMonat, FJahr) - 1;
    // The first row always shows days of the month before, even when the 1st is a Monday.
    FStart = FErster - (isoWeekday(FErster) - 1);
    if (FStart == FErster)
        FStart -= 7;
}

QString DateDialogModel::cellText(int Cell) const
{
    int y, m, d;
    DecodeDate(cellDate(Cell), y, m, d);
    return y == 0 ? QString() : IntToStr(d);
}

DateDialogModel::Ink DateDialogModel::cellInk(int Cell) const
{
    const double d = cellDate(Cell);
    if (d < FErster || d > FLetzter)
        return Ink::Outside;
    if (Cell % 7 == 6)
        return Ink::Sunday;
    if (Cell % 7 == 5)
        return Ink::Saturday;
    return Ink::WindowText;
}

bool DateDialogModel::cellSelected(int Cell) const
{
    return cellDate(Cell) == std::trunc(FDatum);
}

void DateDialogModel::pickCell(int Cell)
{
    if (Cell >= 0 && Cell < Cells && !cellText(Cell).isEmpty())
        setDate(cellDate(Cell));
}

QString DateDialogModel::monatJahr() const
{
    return IntToStr(FTag) + QStringLiteral(". ") + MonthName(FMonat, false) + QLatin1Char(' ') + IntToStr(FJahr);
}

QString DateDialogModel::datumText() const
{
    return FormatDateTime(QStringLiteral("dd.mm.yyyy"), FDatum);
}

QString DateDialogModel::woTag() const
{
    return FormatDateTime(QStringLiteral("dddd"), FDatum);
}

QString DateDialogModel::serialText() const
{
    return IntToStr((long long)std::trunc(FDatum));
}

bool DateDialogModel::step(long long Tage, long long Wochen, long long Monate, long long Jahre)
{
    double r;
    if (!DatumAddieren(Tage, Wochen, Monate, Jahre, FDatum, r))
        return false;
    setDate(r);
    return true;
}

void DateDialogModel::heute()
{
    setDate(Clock::today());
}

QString DateDialogModel::ersterLetzterText() const
{
    switch (FErsterLetzter) {
    case 1: return QStringLiteral("Erster des Monats");
    case 2: return QStringLiteral("Letzter des Monats");
    default: return QString();
    }
}

void DateDialogModel::setMonth(int M, int D)
{
    setDate(EncodeDate(FJahr, M, D));
}

bool DateDialogModel::monthButton(int M)
{
    const int len = DaysInMonth(M, FJahr);
    const int d = FErsterLetzter == 1 ? 1 : FErsterLetzter == 2 ? len : std::min(FTag, len);
    setMonth(M, d);
    FMonatGewaehlt = true;
    FMonatePanel = false;
    return FErsterLetzter != 0;
}

void DateDialogModel::menuMonth(int M)
{
    setMonth(M, std::min(FTag, DaysInMonth(M, FJahr)));
}

void DateDialogModel::menuFirst(int M)
{
    setMonth(M, 1);
}

void DateDialogModel::menuLast(int M)
{
    setMonth(M, DaysInMonth(M, FJahr));
}

QString DateDialogModel::caption(Unit U) const
{
    static const char* const singular[] = {"Tag", "Woche", "Monat", "Jahr"};
    static const char* const plural[] = {"Tage", "Wochen", "Monate", "Jahre"};
    return QString::fromLatin1(FPlural ? plural[U] : singular[U]);
}

void DateDialogModel::resetCaptions()
{
    FPlural = false;
}

void DateDialogModel::setInput(const QString& S)
{
    FEingabe = S;
    if (FEingabe.isEmpty()) {
        FVorschlag.clear();
        FPlural = false;
    } else if (FEingabe == QLatin1String("+") || FEingabe == QLatin1String("-")) {
        FPlural = true;
    }
}

void DateDialogModel::typeChar(QChar C)
{
    if (EingabeZeichen.contains(C)) {
        FVorschlag.clear();
        setInput(FEingabe + C);
        // Parts the input leaves out come from the shown date, so "24" is the 24th of it.
        QString text = QStringLiteral("dd.mm.yyyy");
        if (ParseDate(FEingabe, Var(DateToStr(FDatum)), text, 1950))
            FVorschlag = text;
    } else if (C == QLatin1Char('\b')) {
        setInput(FEingabe.left(FEingabe.size() - 1));
    } else if (C == QLatin1Char('C') || C == QLatin1Char('c')) {
        setInput(QString());
    }
}

QString DateDialogModel::applyCount(Unit U)
{
    const QString T = FEingabe;
    setInput(QString());
    const QString fehler = WertFehlerText(T);

    const bool relative = T.startsWith(QLatin1Char('+')) || T.startsWith(QLatin1Char('-'));
    int n;
    if (!TryStrToInt(relative ? T.mid(1, 99) : T, n) || n < 0 || n > MaxCount)
        return fehler;

    if (relative) {
        const long long k = T.startsWith(QLatin1Char('-')) ? -n : n;
        const bool ok = step(U == Tage ? k : 0, U == Wochen ? k : 0, U == Monate ? k : 0, U == Jahre ? k : 0);
        return ok ? QString() : fehler;
    }

    double d;
    switch (U) {
    case Tage:
        if (n == 0)
            return fehler;
        if (n > DaysInMonth(FMonat, FJahr))
            d = n; // a day number
        else
            d = EncodeDate(FJahr, FMonat, n);
        break;
    case Wochen:
        d = 7.0 * n + KW1Montag(FJahr) - 7;
        if (d < 1 || d > EncodeDate(FJahr, 12, 31))
            return fehler;
        break;
    case Monate:
        if (n < 1 || n > 12 || !TryEncodeDate(FJahr, n, FTag, d))
            return fehler;
        break;
    case Jahre:
        if (n < 50)
            n += 2000;
        else if (n < 100)
            n += 1900;
        if (n > 2999 || !TryEncodeDate(n, FMonat, FTag, d))
            return fehler;
        break;
    }
    setDate(d);
    return QString();
}

DateDialogModel::Action DateDialogModel::enter()
{
    if (FEingabe.isEmpty())
        return Action::Ok;
    const QString S = FVorschlag;
    FVorschlag.clear();
    if (FEingabe.startsWith(QLatin1Char('+')) || FEingabe.startsWith(QLatin1Char('-'))) {
        FFehler = applyCount(Tage);
        return FFehler.isEmpty() ? Action::Refresh : Action::Error;
    }
    setInput(QString());
    double d;
    if (S.isEmpty() || !TryStrToDate(S, d)) {
        FFehler = WertFehlerText(QString());
        return Action::Error;
    }
    setDate(d);
    return Action::Refresh;
}

DateDialogModel::Action DateDialogModel::keyDown(int Key, Qt::KeyboardModifiers Mods, bool Expanded)
{
    Mods &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (Mods == Qt::ShiftModifier && !FMonatGewaehlt) {
        FMonatePanel = true;
        return Action::Refresh;
    }
    if (FMonatePanel) {
        if (Mods & Qt::ControlModifier)
            FErsterLetzter = 1;
        else if (Mods & Qt::AltModifier)
            FErsterLetzter = 2;
        return Action::Refresh;
    }
    const bool ctrl = Mods == Qt::ControlModifier, alt = Mods == Qt::AltModifier;

    const auto arrow = [&](long long t, long long w, long long m, long long y) {
        step(t, w, m, y);
        setInput(QString());
        return Action::Refresh;
    };
    const auto count = [&](Unit u) {
        FFehler = applyCount(u);
        return FFehler.isEmpty() ? Action::Refresh : Action::Error;
    };
    const auto monthKey = [&](int m) { return monthButton(m) ? Action::Ok : Action::Refresh; };

    switch (Key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int s = Key == Qt::Key_Left ? -1 : 1;
        return ctrl ? arrow(0, 0, s, 0) : alt ? arrow(0, 0, 0, s) : arrow(s, 0, 0, 0);
    }
    case Qt::Key_Up: return arrow(0, -1, 0, 0);
    case Qt::Key_Down: return arrow(0, 1, 0, 0);
    case Qt::Key_Return:
    case Qt::Key_Enter: return enter();
    case Qt::Key_Escape: return Action::Cancel;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Action::ToggleExpand;
    default: break;
    }
    if (Key >= Qt::Key_F1 && Key <= Qt::Key_F12) {
        const int f = Key - Qt::Key_F1 + 1;
        if (f > 5 || !Expanded || ctrl)
            return monthKey(f);
        if (f == 1) {
            heute();
            return Action::Refresh;
        }
        return count(Unit(f - 2));
    }
    return Action::None;
}

void DateDialogModel::keyUp()
{
    FMonatGewaehlt = false;
    FMonatePanel = false;
    FErsterLetzter = 0;
}

} // namespace vdl
