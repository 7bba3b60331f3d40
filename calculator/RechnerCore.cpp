// The window state as a whole: creation defaults, keys and layers,
// options, currency panel and link-related switches.
#include "calculator/RechnerCore.h"
#include "platform/Cp1252.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "platform/Regional.h"

namespace vdl {

namespace {

const char* const keyNames[RechnerCore::KeyCount] = {
    "B0", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9",
    "BKom", "BPunkt", "BPlus", "BMin", "BMult", "BDiv", "BIst", "BBack", "BCE", "BC",
    "BMPlus", "BMMin", "BMR", "BMC",
    "BProz", "BWievProz", "BProzIH", "BMod", "BHoch", "BWurzel", "BFak",
    "B1divX", "BPi", "BSin", "BCos", "BTan", "BCot", "BLog", "BLogn", "BggT", "Bkgv",
    "BHist", "BHistDruck"};

// Captions as the keys show them; picture keys have none.
const char* const keyCaptions[RechnerCore::KeyCount] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    ",", ".", "+", "\u2013", "\u00D7", "\u00F7", "=", "<", "CE", "CA",
    "M+", "M-", "MR", "MC",
    "%", "?%", "", "mod", "", "\u221A", "!",
    "", "Pi", "sin", "cos", "tan", "cot", "log", "ln", "ggT", "kgV",
    "", ""};

struct Place {
    int left, top;
    RechnerCore::Key keys[3]; // no modifier, Shift, Ctrl
};
const Place places[RechnerCore::PlaceCount] = {
    {210, 148, {RechnerCore::BProz, RechnerCore::BWievProz, RechnerCore::BProzIH}},
    {274, 36, {RechnerCore::BDiv, RechnerCore::BMod, RechnerCore::BWurzel}},
    {274, 64, {RechnerCore::BMult, RechnerCore::BMult, RechnerCore::BHoch}},
    {274, 92, {RechnerCore::BMin, RechnerCore::BMin, RechnerCore::BFak}},
    {242, 148, {RechnerCore::BKom, RechnerCore::BPunkt, RechnerCore::BPunkt}},
    {178, 208, {RechnerCore::BHist, RechnerCore::BHist, RechnerCore::BHistDruck}},
};
constexpr int commaPlace = 4;

} // namespace

RechnerCore::RechnerCore(QObject* parent) : QObject(parent)
{
    for (int k = 0; k < KeyCount; ++k)
        m_keys[k].caption = QString::fromUtf8(keyCaptions[k]);
    // The decimal key shows and types the regional separator.
    m_keys[BKom].caption = Regional::current().decimalSeparator;
    for (Key k : {BMPlus, BMMin, BMR, BMC})
        m_keys[k].enabled = false; // until a memory is linked
    m_keys[BPunkt].visible = false;

    FillSystemList(false);
    SystIndex = 8; // base 10
    FSystem = NumberSystem::Decimal;
    FOperator = '+';
    SetNK(-1);
    WinkelIndex = 0;
    WinkelChange();
}

RechnerCore::~RechnerCore() = default;

QString RechnerCore::keyName(Key k)
{
    return QString::fromLatin1(keyNames[k]);
}

int RechnerCore::keyByName(const QString& name)
{
    for (int k = 0; k < KeyCount; ++k)
        if (name == QLatin1String(keyNames[k]))
            return k;
    return -1;
}

RechnerCore::Layer RechnerCore::keyLayer() const
{
    if (FTasten & 2)
        return ShiftLayer;
    if (FTasten & 1)
        return CtrlLayer;
    return NormalLayer;
}

void RechnerCore::placePosition(int place, int& left, int& top)
{
    left = places[place].left;
    top = places[place].top;
}

RechnerCore::Key RechnerCore::keyAtPlace(int place) const
{
    // In the date system the comma key is hidden and the point stands there in every layer.
    if (place == commaPlace && !m_keys[BKom].visible)
        return BPunkt;
    return places[place].keys[keyLayer()];
}

QStringList RechnerCore::winkelItems()
{
    return {QStringLiteral("Rad"), QStringLiteral("Deg"), QStringLiteral("Grad")};
}

QStringList RechnerCore::dezStItems()
{
    return {QStringLiteral("Standard"), QStringLiteral("Ganzzahlen"), QStringLiteral("0,0"),
            QStringLiteral("0,00"), QStringLiteral("0,000"), QStringLiteral("0,0000")};
}

QString RechnerCore::operatorGlyph(const QString& op)
{
    QString out;
    for (QChar c : op) {
        switch (c.unicode()) {
        case op::Root: out += QChar(0x221A); break;
        case op::Mod: out += QStringLiteral("mod"); break;
        case op::PercentIH: out += QStringLiteral("%iH"); break;
        case op::WhatPercent: out += QStringLiteral("?%"); break; // pending outside the decimals
        default: out += c;
        }
    }
    return out;
}

bool RechnerCore::isCalculator() const
{
    return hasWindowType(FTyp, WindowType::Rechner);
}

// ---- Currency ----------------------------------------------------------------------------

void RechnerCore::SelectCurrency(int Index)
{
    Batch batch(*this);
    PnlWaehrung.Tag = Index;
    CurrencyEntry entry;
    if (!m_host || !m_host->currencyAt(Index, entry))
        throw Error(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(IntToStr(Index)));
    PnlWaehrung.caption = entry.abbreviation + QLatin1String("  (") + entry.rate + QLatin1Char(')');
    PnlWaehrung.hint = entry.name;
    PnlWaehrung.visible = true;
}

QString RechnerCore::currencySuffix() const
{
    if (!PnlWaehrung.visible)
        return QString();
    // The abbreviation is the caption up to its last " (", without the blank before it.
    const QString& caption = PnlWaehrung.caption;
    const qsizetype cut = caption.lastIndexOf(QLatin1String(" ("));
    return QLatin1Char(' ') + (cut < 0 ? caption : caption.left(cut)).trimmed();
}

// ---- Links and automatic transfer --------------------------------------------------------

void RechnerCore::setMemoryKeysEnabled(bool on)
{
    Batch batch(*this);
    for (Key k : {BMPlus, BMMin, BMR, BMC})
        m_keys[k].enabled = on;
}

void RechnerCore::setAutoTransfer(bool on)
{
    Batch batch(*this);
    FSpeicherautomatik = on;
    AutoPanelVisible = on;
    m_keys[BProz].enabled = !on;
}

} // namespace vdl
