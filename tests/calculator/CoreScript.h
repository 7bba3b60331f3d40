#pragma once
// Drives a RechnerCore the way a user clicks keys, and reads back what the window shows.
#include "calculator/RechnerCore.h"
#include "platform/Cp1252.h"
#include "tests/support/TestEnv.h"
#include <QStringList>

namespace vdl::test {

// One blank-separated token per click (FromButton true). "mod", "?%" and "%iH" stand for
// their operator codes; "[BSin]" and the like click that key.
inline void press(RechnerCore& core, const QString& keys)
{
    for (const QString& token : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token.startsWith(QLatin1Char('[')))
            core.ButtonClick(RechnerCore::Key(RechnerCore::keyByName(token.mid(1, token.size() - 2))));
        else if (token == QLatin1String("mod"))
            core.InputProcessing(QChar(op::Mod), true);
        else if (token == QLatin1String("?%"))
            core.InputProcessing(QChar(op::WhatPercent), true);
        else if (token == QLatin1String("%iH"))
            core.InputProcessing(QChar(op::PercentIH), true);
        else
            core.InputProcessing(token, true);
    }
}

// The tape as "line | line", operators drawn as glyphs, red and green lines marked.
inline QString tape(const RechnerCore& core)
{
    QStringList lines;
    for (const RechnerCore::TapeLine& line : core.History) {
        QString text = RechnerCore::operatorGlyph(line.text);
        if (line.colour == 255)
            text += QStringLiteral("{rot}");
        else if (line.colour == 32768)
            text += QStringLiteral("{grün}");
        lines << text;
    }
    return lines.join(QLatin1String(" | "));
}

// Regional settings with this decimal separator; the other of ',' and '.' groups digits.
inline void useDecimalSeparator(QChar decimal)
{
    Regional regional = Regional::german();
    regional.decimalSeparator = decimal;
    regional.thousandSeparator = decimal == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
    Regional::set(regional);
}

// Stands for a frame whose currency list holds one currency, at every position.
struct MarkHost : RechnerHost {
    bool currencyAt(int, CurrencyEntry& e) override
    {
        e = {QStringLiteral("Deutsche Mark"), QStringLiteral("DM"), QStringLiteral("1,00000")};
        return true;
    }
};

// Selects a system by its list code, as the user would.
inline void chooseSystem(RechnerCore& core, int code)
{
    core.SystSelected(int(core.FSysteme.indexOf(code)));
}

} // namespace vdl::test
