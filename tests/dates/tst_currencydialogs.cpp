#include "dates/CurrencyStore.h"
#include "dates/WaehrungEdit.h"
#include "dates/Waehrungen.h"
#include "dates/vdlKalender.h"
#include "platform/DateTimeText.h"
#include "platform/Prompter.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;

namespace {

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

class TestCurrencyDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        SettingsStore::setDir(m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag()));
    }

    void editor_data()
    {
        QTest::addColumn<QStringList>("typed"); // Bezeichnung, Kürzel, Kurs, Datum
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("stored");
        const QString none;
        QTest::newRow("nothing") << QStringList{"", "", "", ""} << QStringList{"Bezeichnung fehlt!"} << none;
        QTest::newRow("blank name") << QStringList{"  ", "$", "1", "01.02.2026"} << QStringList{"Bezeichnung fehlt!"} << none;
        QTest::newRow("no abbreviation") << QStringList{"Dollar", "", "1", ""} << QStringList{"Kürzel fehlt!"} << none;
        QTest::newRow("rate no number") << QStringList{"Dollar", "$", "abc", ""}
                                        << QStringList{"Ungültiger Wert!", "Kurs ist ungültig!"} << none;
        for (const char* sign : {"-", "+", ",", "."})
            QTest::newRow(qPrintable(QStringLiteral("rate %1").arg(QLatin1String(sign))))
                << QStringList{"Dollar", "$", sign, "01.02.2026"} << QStringList{"Ungültiger Wert!", "Kurs ist ungültig!"} << none;
        QTest::newRow("no rate") << QStringList{"Dollar", "$", "", "01.02.2026"} << QStringList{"Kurs fehlt!"} << none;
        QTest::newRow("no date") << QStringList{"Dollar", "$", "1", ""} << QStringList{"Datum fehlt oder ist ungültig!"} << none;
        QTest::newRow("bad date") << QStringList{"Dollar", "$", "1", "31.02.2004"}
                                  << QStringList{"Datum fehlt oder ist ungültig!"} << none;
        QTest::newRow("1.5") << QStringList{"Dollar", "$", "1.5", "01.02.2026"} << QStringList{}
                             << "\"$\",\"1,50000\",\"01. 02. 2026\"";
        QTest::newRow("1,5") << QStringList{"Dollar", "$", "1,5", "01. 02. 2026"} << QStringList{}
                             << "\"$\",\"1,50000\",\"01. 02. 2026\"";
        QTest::newRow("2") << QStringList{"Dollar", "$", "2", "010226"} << QStringList{} << "\"$\",\"2,00000\",\"01. 02. 2026\"";
        QTest::newRow("195583") << QStringList{"Dollar", "$", "195583", "01.02.2026"} << QStringList{}
                                << "\"$\",\"1,95583\",\"01. 02. 2026\"";
        QTest::newRow("blanks kept") << QStringList{" Dollar ", " $ ", "1", "01.02.2026"} << QStringList{}
                                     << "\" $ \",\"1,00000\",\"01. 02. 2026\"";
    }
    void editor()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, stored);
        ScriptedPrompter prompter;
        prompter.dialogScripts << [&](QDialog& d) {
            const char* names[] = {"eBez", "eKuerzel", "eKurs", "Datum"};
            for (int i = 0; i < 4; ++i)
                edit(d, names[i])->setText(typed[i]);
            click(d, "BtnOK");
            return int(QDialog::Rejected);
        };
        QCOMPARE(AddCurrency(), !stored.isEmpty());
        QTEST(prompter.messages(), "messages");
        QCOMPARE(ReadSetting(CurrencyStore::Key, typed[0]), stored);
        for (const auto& call : prompter.calls) {
            if (call.kind == QLatin1String("message"))
                QCOMPARE(call.caption, call.text == QStringLiteral("Ungültiger Wert!") ? "Fehler" : "Warnung");
        }
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
        StringList names;
        QStringList values;
        CurrencyStore::read(names, values);
        QCOMPARE(names.count(), 0);
    }
};

QTEST_MAIN(TestCurrencyDialogs)
#include "tst_currencydialogs.moc"
