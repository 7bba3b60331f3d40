// The window state as a whole: creation defaults, keys and layers,
// options, currency panel and link-related switches.
#include "calculator/RechnerCore.h"
#include "calculator/KeyTable.h"
#include "platform/Cp1252.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "platform/Regional.h"

namespace vdl {

RechnerCore::RechnerCore(QObject* parent) : QObject(parent)
{
    for (const KeyRow& row : keyTable())
        m_keys[row.key].caption = QString::fromUtf8(row.caption);
    // The decimal key shows and types the regional separator.
    m_keys[BKom].caption = Regional::current().decimalSeparator;
    for (Key k : {BMPlus, BMMin, BMR, BMC})
        m_keys[k].enabled = false; // until a memory is linked
    for (Key k : {BggT, Bkgv})
        m_keys[k].enabled = false; // only while the entry holds a list with ";"

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
    return QString::fromLatin1(keyRow(k).name);
}

int RechnerCore::keyByName(const QString& name)
{
    for (const KeyRow& row : keyTable())
        if (name == QLatin1String(row.name))
            return row.key;
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

bool RechnerCore::keyShown(Key k) const
{
    const KeyRow& mine = keyRow(k);
    if (mine.layers == KeyRow::All)
        return m_keys[k].visible;
    // At a shared place the layer's key is in front; when it is hidden, the first shown key
    // there stands in for it.
    const Layer layer = keyLayer();
    const unsigned bit = layer == ShiftLayer ? KeyRow::Shift : layer == CtrlLayer ? KeyRow::Ctrl : KeyRow::Normal;
    int front = -1;
    for (const KeyRow& row : keyTable()) {
        if (row.column != mine.column || row.row != mine.row)
            continue;
        if ((row.layers & bit) && m_keys[row.key].visible)
            return row.key == k;
        if (front < 0 && m_keys[row.key].visible)
            front = row.key;
    }
    return front == k;
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
