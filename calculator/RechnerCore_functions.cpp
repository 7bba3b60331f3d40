// Keys that act on the entry at once: reciprocal, pi, factorial, angle functions,
// logarithms, the operator-sending keys and the integer lists ggT and kgV.
#include "calculator/RechnerCore.h"
#include "platform/CheckedMath.h"
#include "platform/Cp1252.h"
#include "platform/NumText.h"
#include "platform/Prompter.h"
#include "platform/Regional.h"
#include <algorithm>
#include <cmath>
#include <numeric>

namespace vdl {

void RechnerCore::BHochClick() { InputProcessing(QStringLiteral("^"), true); }
void RechnerCore::BWievProzClick() { InputProcessing(QString(QChar(op::WhatPercent)), true); }
void RechnerCore::BProzIHClick() { InputProcessing(QString(QChar(op::PercentIH)), true); }
void RechnerCore::BModClick() { InputProcessing(QString(QChar(op::Mod)), true); }
void RechnerCore::BMinClick() { InputProcessing(QStringLiteral("-"), true); }
void RechnerCore::BCEClick() { InputProcessing(QStringLiteral("CE"), true); }

void RechnerCore::BWurzelClick()
{
    Batch batch(*this);
    // The 2 is the operand of the pending operator; the root then applies to the next entry.
    Eingabe.clear();
    InputProcessing(QStringLiteral("2") + QChar(op::Root), true);
}

bool RechnerCore::functionOperand(long double& X)
{
    if (!Eingabe.isEmpty()) {
        if (ParseEntry(X) == 0)
            return false;
    } else {
        X = FWert;
    }
    return X != 0;
}

void RechnerCore::B1divXClick()
{
    Batch batch(*this);
    long double X = 0;
    if (!functionOperand(X))
        return;
    Eingabe = FormatNumber(fp::div(1, X));
    FNeueEingabe = true;
}

void RechnerCore::BPiClick()
{
    Batch batch(*this);
    Eingabe = QLatin1Char('3') + Regional::current().decimalSeparator + QLatin1String("14159265359");
}

void RechnerCore::BFakClick()
{
    Batch batch(*this);
    long double X = 0;
    if (ParseEntry(X) != 1)
        return;
    Eingabe = FormatNumber(truncl(X));
    InputProcessing(QStringLiteral("!"), true);
}

void RechnerCore::addFunctionLines(const QString& call, long double Value)
{
    AddHistory(call, QStringLiteral("="), 0);
    EAnzeige = FormatNumber(Value);
    AddHistory(EAnzeige, QStringLiteral("*"), 0);
    ParseResult(FWert);
    Eingabe = FormatNumber(Value);
    FNeueEingabe = true;
}

void RechnerCore::angleFunction(const QString& name, Angle which)
{
    Batch batch(*this);
    long double X = 0;
    if (!functionOperand(X))
        return;
    long double R = 0;
    switch (WinkelIndex) {
    case 0: R = X; break;
    case 1: R = fp::mul(X, 0.017453292519943295L); break;
    case 2: R = fp::mul(X, 0.015707963267948967L); break;
    default: break;
    }
    long double Value = 0;
    switch (which) {
    case Angle::Sin: Value = fp::sin(R); break;
    case Angle::Cos: Value = fp::cos(R); break;
    case Angle::Tan: Value = fp::tan(R); break;
    case Angle::Cot: Value = fp::div(1, fp::tan(R)); break;
    }
    const QStringList modes = winkelItems();
    const QString mode = WinkelIndex >= 0 && WinkelIndex < modes.size() ? modes[WinkelIndex] : QString();
    addFunctionLines(name + QLatin1Char('(') + FormatNumber(X) + QLatin1Char(' ') + mode + QLatin1Char(')'),
                     Value);
}

void RechnerCore::BSinClick() { angleFunction(QStringLiteral("sin"), Angle::Sin); }
void RechnerCore::BCosClick() { angleFunction(QStringLiteral("cos"), Angle::Cos); }
void RechnerCore::BTanClick() { angleFunction(QStringLiteral("tan"), Angle::Tan); }
void RechnerCore::BCotClick() { angleFunction(QStringLiteral("cot"), Angle::Cot); }

void RechnerCore::BLogClick()
{
    Batch batch(*this);
    long double X = 0;
    if (!functionOperand(X))
        return;
    const long double Value = fp::log10(X);
    addFunctionLines(QLatin1String("log(") + FormatNumber(X) + QLatin1Char(')'), Value);
}

void RechnerCore::BLognClick()
{
    Batch batch(*this);
    long double X = 0;
    if (!functionOperand(X))
        return;
    const long double Value = fp::ln(X);
    addFunctionLines(QLatin1String("ln(") + FormatNumber(X) + QLatin1Char(')'), Value);
}

void RechnerCore::WinkelChange()
{
    Batch batch(*this);
    switch (WinkelIndex) {
    case 0: WinkelHint = QStringLiteral("Bogenmaß: ¼ Kreis = ½ Pi"); break;
    case 1: WinkelHint = QStringLiteral("Grad: ¼ Kreis = 90°"); break;
    case 2: WinkelHint = QStringLiteral("Neugrad: ¼ Kreis = 100°"); break;
    default: break;
    }
}

namespace {

void tooLarge()
{
    ShowMessage(QStringLiteral("Das Ergebnis ist zu groß!"), QStringLiteral("Warnung"), mb::IconError);
}

} // namespace

// Splits an entry like "12;18" into its integers (a decimal separator separates too);
// without ';' the user is told and the entry cleared. An item beyond 64 bits is refused and
// the entry stays.
bool RechnerCore::integerList(QList<long long>& values, QStringList& items)
{
    if (!Eingabe.contains(QLatin1Char(';'))) {
        ShowMessage(QStringLiteral("Die Eingabe muss mehrere Zahlen, getrennt durch \";\" enthalten!"),
                    QStringLiteral("Warnung"), mb::IconError);
        BCEClick();
        return false;
    }
    const QChar decimal = Regional::current().decimalSeparator;
    QString text = Eingabe;
    items = text.replace(QLatin1Char(';'), decimal).split(decimal);
    for (const QString& item : std::as_const(items)) {
        // An item that is no integer counts 0.
        long long value = 0;
        if (ReadInt64(item, value) == IntText::Beyond) {
            tooLarge();
            return false;
        }
        values << value;
    }
    return true;
}

void RechnerCore::BggTClick()
{
    Batch batch(*this);
    QList<long long> values;
    QStringList items;
    if (!integerList(values, items))
        return;
    if (std::any_of(values.cbegin(), values.cend(), [](long long v) { return v < 0; })) {
        ShowMessage(QStringLiteral("Es dürfen keine negativen Zahlen enthalten sein!"), QStringLiteral("Warnung"),
                    mb::IconError);
        return;
    }
    // Zeros divide by everything and never decide the result; only zeros give 0.
    long long d = 0;
    for (long long v : std::as_const(values))
        d = std::gcd(d, v);
    History.append({QLatin1String("ggT(") + items.join(QLatin1Char(';')) + QLatin1String(") = ") + IntToStr(d)
                        + QLatin1Char(' '),
                    0});
    BCEClick();
}

void RechnerCore::BkgvClick()
{
    Batch batch(*this);
    QList<long long> values;
    QStringList items;
    if (!integerList(values, items))
        return;
    // Values of 0 and below are passed over; a multiple beyond 64 bits is refused.
    long long m = 0;
    for (long long v : std::as_const(values)) {
        if (v <= 0)
            continue;
        if (m == 0)
            m = v;
        else if (__builtin_mul_overflow(m / std::gcd(m, v), v, &m)) {
            tooLarge();
            return;
        }
    }
    History.append({QLatin1String("kgV(") + items.join(QLatin1Char(';')) + QLatin1String(") = ") + IntToStr(m)
                        + QLatin1Char(' '),
                    0});
    BCEClick();
}

} // namespace vdl
