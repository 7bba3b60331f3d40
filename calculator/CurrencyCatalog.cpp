#include "calculator/CurrencyCatalog.h"
#include "dates/CurrencyStore.h"
#include "platform/Error.h"
#include "toolkit/vdlTools_numbers.h"

namespace vdl {

namespace {
// Two blanks before the rate, in menus and in the panel alike.
QString withRate(const QString& text, const QStringList& fields)
{
    return text + QStringLiteral("  (") + fields.value(1) + QLatin1Char(')');
}
} // namespace

QList<CurrencyCatalog::MenuItem> CurrencyCatalog::Fill(int ownIndex)
{
    CurrencyStore::read(CurrencyNames, CurrencyValues);
    QList<MenuItem> items;
    for (int i = 0; i < count(); ++i) {
        if (i == ownIndex)
            continue;
        CurrencyFields = Fields(i);
        items.append({withRate(CurrencyNames[i], CurrencyFields), i});
    }
    return items;
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

QString CurrencyCatalog::PanelCaption(int index) const
{
    const QStringList fields = Fields(index);
    return withRate(fields[0], fields);
}

long double CurrencyCatalog::Rate(int index) const
{
    return StrToFloatLoose(Fields(index)[1]);
}

} // namespace vdl
