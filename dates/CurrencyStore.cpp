#include "dates/CurrencyStore.h"
#include "platform/CommaText.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include <QCollator>
#include <QLocale>

namespace vdl::CurrencyStore {

namespace {
QString quoted(QString item)
{
    return QLatin1Char('"') + item.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

} // namespace

QString compose(const QString& Kuerzel, const QString& Kurs, const QString& Datum)
{
    return quoted(Kuerzel) + QLatin1Char(',') + quoted(Kurs) + QLatin1Char(',') + quoted(Datum);
}

bool write(const QString& Name, const QString& Kuerzel, const QString& Kurs, const QString& Datum)
{
    return WriteSetting(Key, Name, compose(Kuerzel, Kurs, Datum), false, true);
}

namespace {
// The default rates carry a decimal comma whatever the regional separator is.
const QStringList& defaultNames()
{
    static const QStringList names{QStringLiteral("Deutsche Mark"), QStringLiteral("Euro")};
    return names;
}
const QStringList& defaultValues()
{
    static const QStringList values{
        compose(QStringLiteral("DM"), QStringLiteral("1,00000"), QStringLiteral("14. 09. 2001")),
        compose(QStringLiteral("€"), QStringLiteral("1,95583"), QStringLiteral("24. 09. 2001"))};
    return values;
}
} // namespace

bool seedDefaults()
{
    // Both are added with one write, and only where missing: this runs at every start.
    QString key = Key;
    ExpandKey(key, true);
    return SettingsStore::addMissingValues(false, key, defaultNames(), defaultValues());
}

void remove(const QString& Name)
{
    // An empty name names no currency; the store must not be asked about it.
    if (!Name.isEmpty())
        DeleteSetting(Key, Name, false);
}

bool nameLess(const QString& a, const QString& b)
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const int order = collator.compare(a, b);
    return order != 0 ? order < 0 : QString::compare(a, b) < 0;
}

void read(StringList& Names, QStringList& Values, bool WithDefaults)
{
    QStringList names;
    Values.clear();
    ReadKeyValues(Key, names, Values, false);
    // As seeding will add them: after what is stored, where no name of any case is there.
    for (qsizetype d = 0; WithDefaults && d < defaultNames().size(); ++d) {
        if (!names.contains(defaultNames()[d], Qt::CaseInsensitive)) {
            names << defaultNames()[d];
            Values << defaultValues()[d];
        }
    }
    Names.clear();
    for (int i = 0; i < names.size(); ++i)
        Names.add(names[i], i);
    Names.sort(nameLess);
}

QStringList split(const QString& Data)
{
    return ParseCommaText(Data);
}

} // namespace vdl::CurrencyStore
