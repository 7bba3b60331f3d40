// System and printer information as the user reads them: rows and lines, formats, refresh and
// clipboard text, with the facts and the printer's capabilities injected.
#include "info/PrinterInfo.h"
#include "info/vdlSysInfo.h"
#include "platform/DateTimeText.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "platform/SystemFacts.h"
#include "tests/support/TestEnv.h"
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;

using Rows = QList<SysInfoRow>;
Q_DECLARE_METATYPE(SysInfoRow)

namespace QTest {
template <>
char* toString(const SysInfoRow& r)
{
    return qstrdup(QStringLiteral("%1|%2|%3").arg(r.Caption, r.Value).arg(r.Tabs).toUtf8().constData());
}
} // namespace QTest

namespace {

// A 600-dpi laser printer on A4 with 4.2 mm unprintable margins.
PrinterCaps laser()
{
    PrinterCaps c;
    c.name = QStringLiteral("Laser");
    c.horzSize = 202;
    c.vertSize = 289;
    c.horzRes = 4760;
    c.vertRes = 6814;
    c.offsetX = c.offsetY = 100;
    c.logPixelsX = c.logPixelsY = 600;
    c.fontCount = 42;
    c.physicalWidth = 4960;
    c.physicalHeight = 7014;
    return c;
}

} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT

    FixedSystemFacts m_facts;

private slots:
    void init()
    {
        test::pinGerman();
        m_facts.Memory = {8ull << 30, 16, 0, 1234567};
        m_facts.ProcessorCount = 4;
        m_facts.UptimeMs = 25 * 3600 * 1000;
        m_facts.ColorBits = 4;
        m_facts.UserName = "anna";
        m_facts.ComputerName = "pc1";
        m_facts.Os = {2, 5, 1};
    }

    void hardware()
    {
        SysInfoModel model;
        model.FillHardware();
        QCOMPARE(model.Hardware, Rows({{"Phys. Speicher", "8.589.934.592 Bytes", 2},
                                       {"Phys. Speicher frei", "0.016 Bytes", 1},
                                       {"Auslagerungsspeicher", "0.000 Bytes", 1},
                                       {"Auslagerungsspeicher frei", "1.234.567 Bytes", 1},
                                       {"Windowsverzeichnis", "/", 1},
                                       {"Systemverzeichnis", "/usr/lib", 1},
                                       {"Prozessor(en)", "4", 2},
                                       {"Prozessor", "Intel Pentium", 2},
                                       {"Datum", "06. 12. 2026", 3},
                                       {"Zeit", "12:00:00", 3},
                                       {"Zeit seit Systemstart", "01:00:00", 1},
                                       {"Grafikauflösung", "1024x768", 2},
                                       {"Farben", "0.016", 3},
                                       {"Username", "anna", 2},
                                       {"Computername", "pc1", 2},
                                       {"IP-Adresse", "127.0.0.1", 2},
                                       {"Betriebssystem", "Windows NT 5.1", 2}}));
    }

    void values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("count padded") << FormatCount(16) << "0.016";
        QTest::newRow("count 24 bit") << FormatCount(1 << 24) << "16.777.216";
        QTest::newRow("uptime hour") << UptimeText(3600 * 1000) << "01:00:00";
        QTest::newRow("uptime beyond 32 bits") << UptimeText(30LL * 86400000 + 5000) << "00:00:05";
        QTest::newRow("processor unknown") << ProcessorName(0) << "";
        QTest::newRow("processor alpha") << ProcessorName(21064) << "ALPHA 21064";
        QTest::newRow("platform 95") << PlatformName(1) << "Windows 95";
        QTest::newRow("platform here") << PlatformName(PlatformLinux) << "Linux";
    }
    void values()
    {
        QFETCH(QString, text);
        QTEST(text, "expected");
    }

    void software()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("lager.db");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "Lager");
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q(db);
            q.exec("create table Konfig (Gruppe text, Zeile text, Wert text)");
            q.exec("insert into Konfig values ('Konfig', 'DBID', '42'), ('Konfig', 'DBTyp', 'Lager')");
        }
        SysInfoModel model;
        model.FillSoftware(dir.filePath("fehlt"));
        model.FillBenutzer(QString(), QString());
        QCOMPARE(model.Software, Rows({{"Name", "vdlRechner", 3},
                                       {"Programm", dir.filePath("fehlt"), 2},
                                       {"Lager (Name)", file, 2},
                                       {"Lager (ID)", "42", 1},
                                       {"Lager (Typ)", "Lager", 1}}));
        QVERIFY(!model.BenutzerVisible);
        QSqlDatabase::database("Lager").close();
        model.Software.clear();
        model.FillSoftware(QCoreApplication::applicationFilePath());
        QCOMPARE(model.Software.last(), SysInfoRow({"Lager (Name)", "nicht verbunden!", 1}));
        QCOMPARE(model.Software[3], SysInfoRow({"Version", "3.1.0.0", 1}));
        QCOMPARE(model.Software[2].Caption, QStringLiteral("Stand"));
        QCOMPARE(model.Software[2].Tabs, 3);
        QCOMPARE(model.Software[2].Value.right(1).toInt() % 2, 0); // seconds in steps of two
        QSqlDatabase::removeDatabase("Lager");
    }

    void userLog_data()
    {
        QTest::addColumn<QList<UserLogRecord>>("records"); // newest first
        QTest::addColumn<Rows>("rows");
        const double day = EncodeDate(2026, 12, 6);
        const auto at = [day](int hour) { return day + hour / 24.0; };
        QTest::newRow("logged out") << QList<UserLogRecord>{{"vdlRechner", "anna", "pc1", "Logout", at(12)},
                                                            {"vdlRechner", "anna", "pc1", "login", at(8)}}
                                    << Rows{};
        QTest::newRow("in again") << QList<UserLogRecord>{{"vdlRechner", "anna", "pc1", "LOGIN", at(13)},
                                                          {"vdlRechner", "ANNA", "PC1", "logout", at(12)},
                                                          {"vdlRechner", "anna", "pc1", "login", at(8)}}
                                  << Rows{{"anna", "seit  13:00:00", 1}};
        QTest::newRow("other program") << QList<UserLogRecord>{{"Lager", "bernd", "pc2", "login", at(9)},
                                                               {"Lager", "bernd", "pc2", "drucken", at(8)}}
                                       << Rows{{"bernd", "seit  09:00:00 (Lager)", 1}};
    }
    void userLog()
    {
        QFETCH(QList<UserLogRecord>, records);
        QTEST(UserLogRows(records, "vdlRechner"), "rows");
    }

    void dialog()
    {
        ScriptedPrompter prompter;
        QString seen;
        prompter.dialogScripts << [&](QDialog& d) {
            auto& info = static_cast<TfvdlSysInfo&>(d);
            for (int i = 0; i < info.PageControl1->count(); ++i)
                if (info.PageControl1->isTabVisible(i))
                    seen += info.PageControl1->tabText(i) + "|";
            seen += info.GrdHardware->item(8, 0)->text() + "=" + info.GrdHardware->item(8, 1)->text() + "|";
            test::pinGerman();
            Clock::pin(test::pinnedNow().addSecs(5));
            m_facts.Memory.AvailPhys = 2048;
            QTest::qWait(1100); // the refresh timer
            seen += info.GrdHardware->item(9, 1)->text() + "|" + info.GrdHardware->item(1, 1)->text() + "|";
            info.BtnZwischenablage->click();
            seen += info.BtnSchliessen->text();
            return 0;
        };
        ShowSysInfo();
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("System-Informationen"));
        QCOMPARE(seen, QStringLiteral("System|Software|Datum=06. 12. 2026|12:00:05|2.048 Bytes|Schli&eßen"));
        const QString clip = QGuiApplication::clipboard()->text();
        QVERIFY2(clip.startsWith("System-Info vom 06. 12. 2026 12:00:05\r\n\r\nSYSTEM:\r\n"
                                 "Phys. Speicher:\t\t8.589.934.592 Bytes\r\nPhys. Speicher frei:\t2.048 Bytes\r\n"),
                 qPrintable(clip));
        QVERIFY(clip.contains("\r\n\r\nSOFTWARE:\r\nName:\t\t\tvdlRechner\r\n"));
    }

    void lines_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << "" << 1 << "Druckername:\tLaser";
        QTest::newRow("typewheel") << "technology 4" << 3 << "Technologie:\tZeichenfolge (Typenraddrucker)";
        QTest::newRow("width") << "" << 4 << "Druckbreite:\t202 mm (4760 Pixel)";
        QTest::newRow("left margin") << "" << 6 << "Linker Rand:\t4,2 mm (100 Pixel)";
        QTest::newRow("dpi vertical") << "" << 9 << "Auslösung vertikal:\t600 DPI";
        QTest::newRow("sheet height") << "" << 16 << "BlattHoehe\t297";
        QTest::newRow("half down to even") << "width 2105 at 254" << 15 << "Blattbreite:\t210";
        QTest::newRow("half up to even") << "width 2115 at 254" << 15 << "Blattbreite:\t212";
        QTest::newRow("mm per pixel horizontal") << "" << 17 << "mm pro Pixel horiz\t0,0423";
        QTest::newRow("no width: error ends the list") << "horzRes 0" << 6 << "Gleitkommadivision durch Null";
        QTest::newRow("no dpi: error ends the list") << "dpi 0" << 15 << "Gleitkommadivision durch Null";
    }
    void lines()
    {
        QFETCH(QString, change);
        QFETCH(int, line);
        PrinterCaps c = laser();
        if (change == QLatin1String("technology 4"))
            c.technology = 4;
        else if (change.startsWith(QLatin1String("width")))
            c.physicalWidth = change.section(QLatin1Char(' '), 1, 1).toInt(), c.logPixelsX = 254;
        else if (change == QLatin1String("horzRes 0"))
            c.horzRes = 0;
        else if (change == QLatin1String("dpi 0"))
            c.logPixelsX = c.logPixelsY = 0;
        const PrinterInfoLines info = printerInfoLines(c);
        QTEST(info.lines.value(line - 1), "text");
        // An error is the last line; otherwise all 18 are there.
        QCOMPARE(info.lines.size(), info.error.isEmpty() ? 18 : line);
        QCOMPARE(info.error.isEmpty(), !change.endsWith(QLatin1String(" 0")));
    }

    // The dialog on the current printer (Qt's PDF printer, when none is installed): caption,
    // 18 lines, and the copy with CR LF after each.
    void printerDialog()
    {
        ScriptedPrompter prompter;
        QString caption, copied, close;
        int count = 0;
        prompter.dialogScripts << [&](QDialog& d) {
            caption = d.windowTitle();
            count = d.findChild<QListWidget*>(QStringLiteral("Info"))->count();
            close = d.findChild<QPushButton*>(QStringLiteral("BtnSchliessen"))->text();
            d.findChild<QPushButton*>(QStringLiteral("BtnZwischenablage"))->click();
            copied = QApplication::clipboard()->text();
            return int(QDialog::Accepted);
        };
        ShowPrinterInfo(nullptr);
        QCOMPARE(caption, QStringLiteral("Drucker-Information"));
        QCOMPARE(close, QStringLiteral("Schli&eßen"));
        QCOMPARE(count, 18);
        QCOMPARE(copied.count(QStringLiteral("\r\n")), 18);
        QVERIFY2(copied.contains(QStringLiteral("\r\nTechnologie:\tRaster-Drucker\r\n")), qPrintable(copied));
    }
};

QTEST_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
