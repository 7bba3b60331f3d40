#pragma once
// The frame as a calculator core of the fuzz targets sees it: two currencies, nothing else.
#include "calculator/RechnerCore.h"

namespace vdl::fuzz {

class CoreHost : public RechnerHost {
public:
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
};

} // namespace vdl::fuzz
