#include "dates/CurrencyStore.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;

namespace {
const QString Key = QStringLiteral("%\\Waehrungen");
const QString DmData = QStringLiteral("\"DM\",\"1,00000\",\"14. 09. 2001\"");
const QString EuroData = QStringLiteral("\"€\",\"1,95583\",\"24. 09. 2001\"");

QStringList sortedNames()
{
    StringList names;
    QStringList values;
    CurrencyStore::read(names, values);
    return names.strings();
}
} // namespace

class TestCurrencyStore : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        SettingsStore::setDir(m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag()));
    }

    void seeding_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("fresh store") << "" << "" << QStringList{"Deutsche Mark", "Euro"};
        QTest::newRow("edited rate kept") << "Euro" << "\"€\",\"2,00000\",\"01. 01. 2002\"" << QStringList{"Deutsche Mark", "Euro"};
        QTest::newRow("EURO counts") << "EURO" << "\"EUR\",\"1,95583\",\"01. 01. 2002\"" << QStringList{"Deutsche Mark", "EURO"};
        QTest::newRow("lower case") << "deutsche mark" << "\"DEM\",\"1,0\",\"\"" << QStringList{"deutsche mark", "Euro"};
    }
    void seeding()
    {
        QFETCH(QString, name);
        QFETCH(QString, data);
        if (!name.isEmpty())
            WriteSetting(Key, name, data, false, true);
        CurrencyStore::seedDefaults();
        QTEST(sortedNames(), "names");
        const auto kept = [&](const char* seed, const QString& seeded) {
            return name.compare(QLatin1String(seed), Qt::CaseInsensitive) == 0 ? data : seeded;
        };
        QCOMPARE(ReadSetting(Key, QStringLiteral("Deutsche Mark")), kept("Deutsche Mark", DmData));
        QCOMPARE(ReadSetting(Key, QStringLiteral("Euro")), kept("Euro", EuroData));
    }

    void deletedDefaultReturnsAtNextStart()
    {
        CurrencyStore::seedDefaults();
        CurrencyStore::remove(QStringLiteral("Euro"));
        CurrencyStore::remove(QString()); // names nothing
        QCOMPARE(sortedNames(), QStringList({"Deutsche Mark"}));
        CurrencyStore::seedDefaults();
        QCOMPARE(ReadSetting(Key, QStringLiteral("Euro")), EuroData);
    }

    void namesSortGermanWithoutCase_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("lower case between") << QStringList{"Euro", "dollar", "Deutsche Mark"}
                                            << QStringList{"Deutsche Mark", "dollar", "Euro"};
        QTest::newRow("Ö as O") << QStringList{"Zloty", "Österreichischer Schilling", "Omanischer Rial"}
                                << QStringList{"Omanischer Rial", "Österreichischer Schilling", "Zloty"};
        QTest::newRow("Ä as A") << QStringList{"Argentinischer Peso", "Ägyptisches Pfund", "Yen"}
                                << QStringList{"Ägyptisches Pfund", "Argentinischer Peso", "Yen"};
    }
    void namesSortGermanWithoutCase()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, sorted);
        for (int i = 0; i < stored.size(); ++i)
            CurrencyStore::write(stored[i], QStringLiteral("K%1").arg(i), QStringLiteral("1,00000"), QString());
        StringList names;
        QStringList values;
        CurrencyStore::read(names, values);
        QCOMPARE(names.strings(), sorted);
        for (int k = 0; k < names.count(); ++k) // each sorted name still finds its own data
            QCOMPARE(CurrencyStore::split(values[names.object(k)]).value(0), QStringLiteral("K%1").arg(stored.indexOf(names[k])));
    }

    void entriesSplitBackIntoTheirItems_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("stored");
        QTest::newRow("euro") << QStringList{"€", "1,95583", "24. 09. 2001"} << EuroData;
        QTest::newRow("blanks") << QStringList{"US $", "0,51130", "01. 02. 2003"} << "\"US $\",\"0,51130\",\"01. 02. 2003\"";
        QTest::newRow("quote") << QStringList{"\"S\"", "1,00000", ""} << "\"\"\"S\"\"\",\"1,00000\",\"\"";
    }
    void entriesSplitBackIntoTheirItems()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, stored);
        CurrencyStore::write(QStringLiteral("Test"), items[0], items[1], items[2]);
        QCOMPARE(ReadSetting(Key, QStringLiteral("Test")), stored);
        QCOMPARE(CurrencyStore::split(stored), items);
    }
};

QTEST_GUILESS_MAIN(TestCurrencyStore)
#include "tst_currencystore.moc"
