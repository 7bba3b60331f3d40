#include "calculator/KeyTable.h"
#include <array>

namespace vdl {

namespace {

using K = RechnerCore;
constexpr unsigned All = KeyRow::All, Normal = KeyRow::Normal, Shift = KeyRow::Shift, Ctrl = KeyRow::Ctrl;

} // namespace

const QList<KeyRow>& keyTable()
{
    static const QList<KeyRow> table = {
        {K::BCE, "BCE", "CE", "Eingabe löschen", 0, 0, All},
        {K::BC, "BC", "CA", "Ergebnis löschen", 1, 0, All},
        {K::BBack, "BBack", "<", "Letztes eingegebenes Zeichen löschen", 2, 0, All},
        {K::BDiv, "BDiv", "\u00F7", "Dividieren", 3, 0, Normal},
        {K::BMod, "BMod", "mod", "Modulo (Divisionsrest ermitteln)", 3, 0, Shift},
        {K::BWurzel, "BWurzel", "\u221A", "Quadratwurzel errechnen", 3, 0, Ctrl},
        {K::BMPlus, "BMPlus", "M+", "Zum Speicher addieren", 4, 0, All},
        {K::B7, "B7", "7", "", 0, 1, All},
        {K::B8, "B8", "8", "", 1, 1, All},
        {K::B9, "B9", "9", "", 2, 1, All},
        {K::BMult, "BMult", "\u00D7", "Multiplizieren", 3, 1, Normal | Shift},
        {K::BHoch, "BHoch", "", "", 3, 1, Ctrl},
        {K::BMMin, "BMMin", "M-", "Vom Speicher subtrahieren", 4, 1, All},
        {K::B4, "B4", "4", "", 0, 2, All},
        {K::B5, "B5", "5", "", 1, 2, All},
        {K::B6, "B6", "6", "", 2, 2, All},
        {K::BMin, "BMin", "\u2013", "Subtrahieren", 3, 2, Normal | Shift},
        {K::BFak, "BFak", "!", "", 3, 2, Ctrl},
        {K::BMR, "BMR", "MR", "Ergebnis des Speichers als Eingabe übernehmen", 4, 2, All},
        {K::B1, "B1", "1", "", 0, 3, All},
        {K::B2, "B2", "2", "", 1, 3, All},
        {K::B3, "B3", "3", "", 2, 3, All},
        {K::BPlus, "BPlus", "+", "Addieren", 3, 3, All},
        {K::BMC, "BMC", "MC", "Ergebnis des Speichers löschen", 4, 3, All},
        {K::B0, "B0", "0", "", 0, 4, All},
        {K::BProz, "BProz", "%", "Vorhergehende Zahl ist Prozentzahl", 1, 4, Normal},
        {K::BWievProz, "BWievProz", "?%", "", 1, 4, Shift},
        {K::BProzIH, "BProzIH", "", "Prozent im Hundert", 1, 4, Ctrl},
        {K::BKom, "BKom", ",", "Dezimalkomma", 2, 4, Normal},
        {K::BPunkt, "BPunkt", ".", "", 2, 4, Shift | Ctrl},
        {K::BIst, "BIst", "=", "Ergebnis abrufen", 3, 4, All},
        {K::B1divX, "B1divX", "", "1 dividiert durch X", 4, 4, All},
        {K::BSin, "BSin", "sin", "Sinus (Winkelmaß beachten!)", 0, 5, All},
        {K::BCos, "BCos", "cos", "Cosinus (Winkelmaß beachten!)", 1, 5, All},
        {K::BTan, "BTan", "tan", "Tangens (Winkelmaß beachten!)", 2, 5, All},
        {K::BCot, "BCot", "cot", "Cotangens (Winkelmaß beachten!)", 3, 5, All},
        {K::BPi, "BPi", "Pi", "Kreiszahl", 4, 5, All},
        {K::BHist, "BHist", "", "Historie (Protokollstreifen) löschen", 0, 6, Normal | Shift},
        {K::BHistDruck, "BHistDruck", "", "", 0, 6, Ctrl},
        {K::BLog, "BLog", "log", "", 1, 6, All},
        {K::BLogn, "BLogn", "ln", "", 2, 6, All},
        {K::BggT, "BggT", "ggT", "", 3, 6, All},
        {K::Bkgv, "Bkgv", "kgV", "Kleinstes gemeinsames Vielfaches ermitteln", 4, 6, All},
    };
    return table;
}

const KeyRow& keyRow(RechnerCore::Key key)
{
    static const std::array<const KeyRow*, RechnerCore::KeyCount> byKey = [] {
        std::array<const KeyRow*, RechnerCore::KeyCount> rows{};
        for (const KeyRow& row : keyTable())
            rows[row.key] = &row;
        return rows;
    }();
    return *byKey[key];
}

} // namespace vdl
