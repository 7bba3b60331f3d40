#pragma once
// The frame as a calculator core of the fuzz targets sees it: two currencies and, when given,
// one memory window that the memory keys act on.
#include "calculator/MemoryLink.h"
#include "calculator/RechnerCore.h"
#include "platform/NumText.h"
#include "toolkit/vdlTools_numbers.h"

namespace vdl::fuzz {

class CoreHost : public RechnerHost {
public:
    RechnerCore* memory = nullptr; // the window's memory; none: the memory keys do nothing

    bool currencyAt(int index, CurrencyEntry& entry) override
    {
        static const CurrencyEntry list[] = {
            {QStringLiteral("Deutsche Mark"), QStringLiteral("DM"), QStringLiteral("1,95583")},
            {QStringLiteral("Euro"), QStringLiteral("€"), QStringLiteral("1,00000")}};
        if (index < 0 || index >= 2)
            return false;
        entry = list[index];
        return true;
    }

    void memoryOperation(RechnerCore& core, const QString& op) override
    {
        if (!memory || memory == &core)
            return;
        MemoryKey(core, *memory, op, rateOf(core), rateOf(*memory));
    }

private:
    // As the frame reads a window's rate: the chosen currency's, none without a currency.
    RateReader rateOf(const RechnerCore& window)
    {
        return [this, &window] {
            CurrencyEntry entry;
            return currencyAt(window.PnlWaehrung.Tag, entry) ? StrToFloatLoose(entry.rate) : 0.0L;
        };
    }
};

} // namespace vdl::fuzz
