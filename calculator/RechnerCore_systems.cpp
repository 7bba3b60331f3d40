// Decimal places and number systems: the system list, the places list and how the keys
// follow a change of system.
#include "calculator/RechnerCore.h"
#include "calculator/TimeText.h"
#include "platform/Error.h"
#include "platform/NumText.h"

namespace vdl {

void RechnerCore::SetNK(int N)
{
    Batch batch(*this);
    if (NumberSystem::hasDecimals(FSystem))
        FNKDezimal = N;
    FNK = N;
    if (N == 0)
        FFormat = QStringLiteral("0");
    else if (N > 0)
        FFormat = QLatin1String("0.") + QStringLiteral("00000000").left(N);
    // The list offers -1 to 4; any other count selects nothing (and reads back as -2).
    DezStIndex = N + 1 >= 0 && N + 1 < dezStItems().size() ? N + 1 : -1;
}

void RechnerCore::DezStChange()
{
    SetNK(DezStIndex - 1);
}

void RechnerCore::FillSystemList(bool MainOnly)
{
    Batch batch(*this);
    SystItems.clear();
    FSysteme.clear();
    for (int b = NumberSystem::MinBase; b <= NumberSystem::MaxBase; ++b) {
        if (!MainOnly || NumberSystem::isMainBase(b)) {
            SystItems << IntToStr(b);
            FSysteme << b;
        }
    }
    SystItems << QStringLiteral("Römisch") << QStringLiteral("Datum") << QStringLiteral("Zeit")
              << QStringLiteral("Währung");
    FSysteme << NumberSystem::Roman << NumberSystem::Date << NumberSystem::Time << NumberSystem::Currency;
    SystIndex = -1;
}

void RechnerCore::SetSystem(int Code)
{
    Batch batch(*this);
    FSystem = Code;
    const qsizetype index = FSysteme.indexOf(Code);
    if (index >= 0)
        SystIndex = int(index);
}

void RechnerCore::SetDecimalMode(bool On)
{
    Batch batch(*this);
    m_decimalMode = On;
    SetNK(On ? FNKDezimal : 0);
    DezStChange();
    DezStEnabled = On;
    WinkelVisible = On;
    for (Key k : {BKom, BProz, BProzIH, BWievProz, BSin, BTan, BCos, BCot, BWurzel, BFak, BHoch,
                  B1divX, BLog, BLogn, BPi})
        m_keys[k].enabled = On;
    // Durations take the separator key for ":", and only the four basic operators.
    const bool time = FSystem == NumberSystem::Time;
    m_keys[BKom].enabled = On || time;
    m_keys[BMod].enabled = !time;
    updateSeparatorKey();
    if (FSpeicherautomatik)
        m_keys[BProz].enabled = false; // stays off while automatic transfer is on
    const bool date = FSystem == NumberSystem::Date;
    m_keys[BKom].visible = !date; // the point stands at its place then
    m_keys[BMult].enabled = !date;
    m_keys[BDiv].enabled = !date;
}

void RechnerCore::SystChange()
{
    systChange(0, true);
}

void RechnerCore::systChange(int currencyIndex, bool popup)
{
    Batch batch(*this);
    if (SystIndex >= 0 && SystIndex < FSysteme.size())
        FSystem = FSysteme[SystIndex];
    SetDecimalMode(NumberSystem::hasDecimals(FSystem));
    if (isCalculator() && m_host)
        m_host->updateAlphaPad(*this);

    for (int d = 2; d <= 9; ++d)
        m_keys[B0 + d].enabled = FSystem > d || !NumberSystem::isBase(FSystem);
    m_keys[B1].enabled = true;
    m_keys[B0].enabled = FSystem != NumberSystem::Roman;
    if (FSystem == NumberSystem::Roman) {
        static const struct { Key key; const char* caption; } roman[] = {
            {B7, "M"}, {B8, "D"}, {B9, "C"}, {B4, "L"}, {B5, "X"}, {B6, "V"}, {B1, "I"},
            {B2, ""}, {B3, ""}, {B0, ""}};
        for (const auto& r : roman)
            m_keys[r.key].caption = QLatin1String(r.caption);
        for (Key k : {B2, B3, B0})
            m_keys[k].enabled = false;
    } else {
        for (int d = 0; d <= 9; ++d)
            m_keys[B0 + d].caption = QString(QChar('0' + d));
    }

    ClearResult(true);
    emit tapeFocusRequested();
    if (!NumberSystem::hasLetterDigits(FSystem) && m_host)
        m_host->releaseAlphaPad(*this);

    if (FSystem == NumberSystem::Currency) {
        if (m_host)
            m_host->refreshCurrencies(*this);
        SelectCurrency(currencyIndex);
        if (popup)
            emit currencyPopupRequested();
    } else {
        PnlWaehrung.visible = false;
        PnlWaehrung.Tag = -1;
        if (m_host)
            m_host->leaveCurrencyDownChain(*this);
    }
}

void RechnerCore::HMBearbeitenClick()
{
    Batch batch(*this);
    mNurHauptSystemeEnabled = SystIndex >= 0 && SystIndex < FSysteme.size() && NumberSystem::isMainBase(FSysteme[SystIndex]);
}

void RechnerCore::mNurHauptSystemeClick()
{
    Batch batch(*this);
    const int code = SystIndex >= 0 && SystIndex < FSysteme.size() ? FSysteme[SystIndex] : FSystem;
    mNurHauptSysteme = !mNurHauptSysteme;
    FillSystemList(mNurHauptSysteme);
    SetSystem(code);
}

void RechnerCore::SystSelected(int index)
{
    Batch batch(*this);
    // The user's choice stands: a calculation switched by the program must not undo it.
    FAutoUmgeschaltet = false;
    const int from = FSystem;
    SystIndex = index;
    SystChange();
    carryDisplay(from);
}

void RechnerCore::carryDisplay(int from)
{
    long double hours = 0;
    const bool duration = EAnzeige.contains(QLatin1Char(':')) && ReadDuration(EAnzeige, hours);
    if (FSystem == NumberSystem::Decimal) {
        if (duration)
            EAnzeige = FormatNumber(hours);
    } else if (FSystem == NumberSystem::Time) {
        long double value = 0;
        if (!duration && from == NumberSystem::Decimal && TryStrToFloat(EAnzeige, value)) {
            try {
                EAnzeige = DurationText(value);
            } catch (const FloatError&) {
                EAnzeige.clear(); // beyond any duration
            }
        }
    } else if (duration) {
        EAnzeige.clear();
    }
}

void RechnerCore::DezStSelected(int index)
{
    Batch batch(*this);
    DezStIndex = index;
    DezStChange();
}

void RechnerCore::WinkelSelected(int index)
{
    Batch batch(*this);
    WinkelIndex = index;
    WinkelChange();
}

} // namespace vdl
