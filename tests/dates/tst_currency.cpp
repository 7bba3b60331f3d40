// The currencies as stored and as the user edits them in the list and the editor.
#include "dates/CurrencyStore.h"
#include "dates/WaehrungEdit.h"
#include "dates/Waehrungen.h"
#include "dates/vdlKalender.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "tests/support/FileLimit.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;

namespace {

const QString DmData = QStringLiteral("\"DM\",\"1,00000\",\"14. 09. 2001\"");
const QString EuroData = QStringLiteral("\"€\",\"1,95583\",\"24. 09. 2001\"");

QStringList sortedNames()
{
    StringList names;
    QStringList values;
    CurrencyStore::read(names, values);
    return names.strings();
}

QLineEdit* edit(QDialog& d, const char* name)
{
    return d.findChild<QLineEdit*>(QLatin1String(name));
}

void click(QDialog& d, const char* name)
{
    QTest::mouseClick(d.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

QString rows(QTableWidget* grid)
{
    QStringList lines;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        lines << cells.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestCurrency : public QObject {
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
            WriteSetting(CurrencyStore::Key, name, data, false, true);
        CurrencyStore::seedDefaults();
        QTEST(sortedNames(), "names");
        const auto kept = [&](const char* seed, const QString& seeded) {
            return name.compare(QLatin1String(seed), Qt::CaseInsensitive) == 0 ? data : seeded;
        };
        QCOMPARE(ReadSetting(CurrencyStore::Key, QStringLiteral("Deutsche Mark")), kept("Deutsche Mark", DmData));
        QCOMPARE(ReadSetting(CurrencyStore::Key, QStringLiteral("Euro")), kept("Euro", EuroData));
        // A currency already there is not written a second time.
        QCOMPARE(test::fileBytes(SettingsStore::fileName(false)).count('='), 2);
    }

    void deletedDefaultReturnsAtNextStart()
    {
        CurrencyStore::seedDefaults();
        CurrencyStore::remove(QStringLiteral("Euro"));
        CurrencyStore::remove(QString()); // names nothing
        QCOMPARE(sortedNames(), QStringList({"Deutsche Mark"}));
        CurrencyStore::seedDefaults();
        QCOMPARE(ReadSetting(CurrencyStore::Key, QStringLiteral("Euro")), EuroData);
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
        QCOMPARE(ReadSetting(CurrencyStore::Key, QStringLiteral("Test")), stored);
        QCOMPARE(CurrencyStore::split(stored), items);
    }
    void editor_data()
    {
        QTest::addColumn<QString>("typed"); // Bezeichnung|Kürzel|Kurs|Datum
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("stored");
        const QString none, badRate = "Ungültiger Wert!|Kurs ist ungültig!", badDate = "Datum fehlt oder ist ungültig!";
        QTest::newRow("nothing") << "|||" << "Bezeichnung fehlt!" << none;
        QTest::newRow("blank name") << "  |$|1|01.02.2026" << "Bezeichnung fehlt!" << none;
        QTest::newRow("no abbreviation") << "Dollar||1|" << "Kürzel fehlt!" << none;
        QTest::newRow("rate no number") << "Dollar|$|abc|" << badRate << none;
        for (const char* sign : {"-", "+", ",", "."})
            QTest::newRow(sign) << QStringLiteral("Dollar|$|%1|01.02.2026").arg(QLatin1String(sign)) << badRate << none;
        QTest::newRow("no rate") << "Dollar|$||01.02.2026" << "Kurs fehlt!" << none;
        QTest::newRow("no date") << "Dollar|$|1|" << badDate << none;
        QTest::newRow("bad date") << "Dollar|$|1|31.02.2004" << badDate << none;
        QTest::newRow("1.5") << "Dollar|$|1.5|01.02.2026" << none << "\"$\",\"1,50000\",\"01. 02. 2026\"";
        QTest::newRow("1,5") << "Dollar|$|1,5|01. 02. 2026" << none << "\"$\",\"1,50000\",\"01. 02. 2026\"";
        QTest::newRow("2") << "Dollar|$|2|010226" << none << "\"$\",\"2,00000\",\"01. 02. 2026\"";
        QTest::newRow("195583") << "Dollar|$|195583|01.02.2026" << none << "\"$\",\"1,95583\",\"01. 02. 2026\"";
        QTest::newRow("blanks kept") << " Dollar | $ |1|01.02.2026" << none << "\" $ \",\"1,00000\",\"01. 02. 2026\"";
    }
    void editor()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const QStringList fields = typed.split(QLatin1Char('|'));
        ScriptedPrompter prompter;
        prompter.dialogScripts << [&](QDialog& d) {
            const char* names[] = {"eBez", "eKuerzel", "eKurs", "Datum"};
            for (int i = 0; i < 4; ++i)
                edit(d, names[i])->setText(fields[i]);
            click(d, "BtnOK");
            return int(QDialog::Rejected);
        };
        QCOMPARE(AddCurrency(), !stored.isEmpty());
        QTEST(prompter.messages().join(QLatin1Char('|')), "messages");
        QCOMPARE(ReadSetting(CurrencyStore::Key, fields[0]), stored);
        for (const auto& call : prompter.calls.mid(1))
            QCOMPARE(call.caption, call.text == QStringLiteral("Ungültiger Wert!") ? "Fehler" : "Warnung");
    }

    // A currency that cannot be stored (the settings folder is full) is reported; the editor
    // stays open with what was typed, and nothing is stored.
    void editorOnFullDisk()
    {
        const QString file = SettingsStore::fileName(false);
        QByteArray content = "[\\software\\vdl\\vdlRechner\\Test]\n";
        for (int i = 0; i < 600; ++i)
            content += "Wert" + QByteArray::number(i) + "=Inhalt des Werts, " + QByteArray::number(i) + "\n";
        QVERIFY(QDir().mkpath(SettingsStore::dir()) && test::putFile(file, content));
        // The file (about 17,000 bytes) stands; a new one stops at 4,096 bytes.
        const QStringList told = test::runWithFileLimit(QStringLiteral("childAddsCurrency"), 4096,
                                                        {QStringLiteral("VDL_SETTINGS_DIR"), SettingsStore::dir()});
        const QString message = "Die Datei kann nicht gespeichert werden!\r\n" + QDir::toNativeSeparators(file)
                                + "|Fehler|" + QString::number(mb::Ok | mb::IconError);
        QCOMPARE(told, (QStringList{message, "offen|Dollar|$|1,50000|01. 02. 2026", "false"}));
        QCOMPARE(test::fileBytes(file), content);
    }
    // Runs only in the child of editorOnFullDisk.
    void childAddsCurrency()
    {
        if (!test::inLimitedChild())
            QSKIP("runs only as a child");
        SettingsStore::setDir(QString());
        ScriptedPrompter prompter;
        prompter.dialogScripts << [&](QDialog& d) {
            const QStringList typed{"Dollar", "$", "1,5", "01. 02. 2026"};
            const char* names[] = {"eBez", "eKuerzel", "eKurs", "Datum"};
            for (int i = 0; i < 4; ++i)
                edit(d, names[i])->setText(typed[i]);
            click(d, "BtnOK");
            for (const auto& call : prompter.calls)
                if (call.kind == QLatin1String("message"))
                    test::report(call.text + '|' + call.caption + '|' + QString::number(call.flags));
            QStringList seen{d.isVisible() ? "offen" : "geschlossen"};
            for (const char* name : names)
                seen << edit(d, name)->text();
            test::report(seen.join(QLatin1Char('|')));
            return int(QDialog::Rejected);
        };
        test::report(AddCurrency() ? QStringLiteral("true") : QStringLiteral("false"));
    }

    void editorKeys()
    {
        ScriptedPrompter prompter;
        QStringList seen;
        prompter.dialogScripts << [&](QDialog& d) {
            seen << d.windowTitle() << edit(d, "eKurs")->text();
            d.activateWindow();
            seen << (QTest::qWaitForWindowActive(&d) ? "aktiv" : "inaktiv");
            edit(d, "eBez")->setFocus();
            QTest::keyClick(edit(d, "eBez"), Qt::Key_Return);
            QTest::keyClick(edit(d, "eKuerzel"), Qt::Key_Return);
            QTest::keyClick(edit(d, "eKurs"), Qt::Key_Return);
            seen << d.focusWidget()->objectName() << edit(d, "Datum")->text();
            QTest::keyClick(edit(d, "Datum"), Qt::Key_F4); // the date field's dialog
            click(d, "BtnOK");
            return int(QDialog::Rejected);
        };
        prompter.dialogScripts << [&](QDialog& d) {
            auto& dlg = dynamic_cast<TDateEd&>(d);
            seen << d.windowTitle() << FormatDateTime(QStringLiteral("dd.mm.yyyy"), dlg.date());
            dlg.model().setDate(EncodeDate(2026, 3, 15));
            return int(QDialog::Accepted);
        };
        QVERIFY(EditCurrency(QStringLiteral("Yen"), QStringLiteral("¥"), QStringLiteral("0,01234"), QString()));
        QCOMPARE(seen, (QStringList{"Währung", "0,01234", "aktiv", "Datum", "06. 12. 2026", "Datum auswählen", "06.12.2026"}));
        QCOMPARE(ReadSetting(CurrencyStore::Key, QStringLiteral("Yen")), QStringLiteral("\"¥\",\"0,01234\",\"15. 03. 2026\""));
        QVERIFY(prompter.messages().isEmpty());
    }

    void list()
    {
        CurrencyStore::seedDefaults();
        const QString odd = QStringLiteral("Yen \"neu\", = [x]");
        CurrencyStore::write(odd, QStringLiteral("¥\","), QStringLiteral("0,01000"), QStringLiteral("01. 01. 2026"));
        CurrencyStore::write(QStringLiteral("dollar"), QStringLiteral("$"), QStringLiteral("1,10000"), QStringLiteral("02. 01. 2026"));

        ScriptedPrompter prompter;
        QStringList seen;
        prompter.answers << mb::IdNo << mb::IdYes;
        prompter.dialogScripts << [&](QDialog& d) {
            auto* grid = d.findChild<QTableWidget*>(QStringLiteral("Grid"));
            seen << rows(grid) << QString::number(grid->columnWidth(0) + 233 - grid->viewport()->width());
            QTest::keyClick(&d, Qt::Key_Escape);
            seen << (d.isVisible() ? "open" : "closed");
            grid->setCurrentCell(3, 0);
            click(d, "BtnAendern"); // the editor below renames it
            seen << rows(grid);
            grid->setCurrentCell(3, 0);
            click(d, "BtnLoeschen"); // answered No
            click(d, "BtnLoeschen"); // answered Yes
            seen << rows(grid) << QString::number(grid->currentRow());
            click(d, "BtnSchliessen");
            return int(QDialog::Rejected);
        };
        prompter.dialogScripts << [&](QDialog& d) {
            seen << QStringList{edit(d, "eBez")->text(), edit(d, "eKuerzel")->text(), edit(d, "eKurs")->text(),
                                edit(d, "Datum")->text()}
                        .join(QLatin1Char('|'));
            edit(d, "eBez")->setText(QStringLiteral("Yen neu"));
            click(d, "BtnOK");
            return int(QDialog::Rejected);
        };
        QVERIFY(ShowCurrencyList());
        const QString before = "Deutsche Mark|DM|1,00000|14. 09. 2001\ndollar|$|1,10000|02. 01. 2026\n"
                               "Euro|€|1,95583|24. 09. 2001\n" + odd + "|¥\",|0,01000|01. 01. 2026";
        QCOMPARE(seen, (QStringList{before, "0", "open", odd + "|¥\",|0,01000|01. 01. 2026",
                                    before + "\nYen neu|¥\",|0,01000|01. 01. 2026",
                                    "Deutsche Mark|DM|1,00000|14. 09. 2001\ndollar|$|1,10000|02. 01. 2026\n"
                                    "Euro|€|1,95583|24. 09. 2001\nYen neu|¥\",|0,01000|01. 01. 2026",
                                    "3"}));
        QCOMPARE(prompter.messages(), (QStringList(2, QStringLiteral("Wollen sie die markierte Währung wirklich löschen?"))));
        QCOMPARE(prompter.calls[1].caption, QStringLiteral("Währung"));
    }

    void emptyList()
    {
        ScriptedPrompter prompter;
        QStringList seen;
        prompter.answers << mb::IdYes;
        prompter.dialogScripts << [&](QDialog& d) {
            auto* grid = d.findChild<QTableWidget*>(QStringLiteral("Grid"));
            seen << QString::number(grid->rowCount()) << QString::number(grid->currentRow());
            click(d, "BtnLoeschen");
            click(d, "BtnAendern");
            return int(QDialog::Rejected);
        };
        prompter.dialogScripts << [&](QDialog& d) {
            seen << edit(d, "eBez")->text() + edit(d, "eKuerzel")->text() + edit(d, "eKurs")->text();
            return int(QDialog::Rejected);
        };
        QVERIFY(!ShowCurrencyList());
        QCOMPARE(seen, (QStringList{"1", "0", ""}));
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(sortedNames(), QStringList());
    }
};

QTEST_MAIN(TestCurrency)
#include "tst_currency.moc"
