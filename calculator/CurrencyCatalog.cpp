#include "calculator/CurrencyCatalog.h"
#include "dates/CurrencyStore.h"
#include "platform/Error.h"
#include "toolkit/vdlTools_numbers.h"

namespace vdl {

void CurrencyCatalog::Fill(bool WithDefaults)
{
    CurrencyStore::read(CurrencyNames, CurrencyValues, WithDefaults);
}

void CurrencyCatalog::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw Error(QStringLiteral("Listenindex überschreitet das Maximum (%1)").arg(index));
}

QString CurrencyCatalog::Name(int index) const
{
    checkIndex(index);
    return CurrencyNames[index];
}

QStringList CurrencyCatalog::Fields(int index) const
{
    checkIndex(index);
    QStringList fields = CurrencyStore::split(CurrencyValues.value(CurrencyNames.object(index)));
    while (fields.size() < 3)
        fields << QString();
    return fields;
}

long double CurrencyCatalog::Rate(int index) const
{
    return StrToFloatLoose(Fields(index)[1]);
}

} // namespace vdl
