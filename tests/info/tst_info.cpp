// The information windows as the user reads them: system and printer information with the
// facts injected (rows, formats, refresh, clipboard text), the product information, and the
// short guide written into the program folder and opened.
#include "info/GuideWriter.h"
#include "info/PrinterInfo.h"
#include "info/vdlRechInfo.h"
#include "info/vdlSysInfo.h"
#include "platform/DateTimeText.h"
#include "platform/ExeDir.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "platform/SystemFacts.h"
#include "platform/UrlOpener.h"
#include "tests/support/TestEnv.h"
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
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

class TestInfo : public QObject {
    Q_OBJECT

    FixedSystemFacts m_facts;
    QTemporaryDir m_tmp;

    static QStringList namesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files, QDir::Name); }

private slots:
    void init()
    {
        test::pinGerman();
        m_facts.Memory = {8ull << 30, 16, 0, 1234567};
        m_facts.ProcessorCount = 4;
        m_facts.ProcessorType = 586;
        m_facts.ProcessorName.clear();
        m_facts.UptimeMs = 25 * 3600 * 1000;
        m_facts.ColorBits = 4;
        m_facts.UserName = "anna";
        m_facts.ComputerName = "pc1";
        m_facts.Os = {2, 5, 1};
        // A fresh program folder for each case, with blanks in its path.
        static int n = 0;
        setExeDir(m_tmp.path() + "/Programme mit Blanks " + QString::number(++n));
        QDir().mkpath(ExeDir());
    }
    void cleanup() { setExeDir(QString()); }

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

    // The processor row names the processor as the system reports it; the type's name only
    // when the system gives none.
    void processor_data()
    {
        QTest::addColumn<QString>("reported");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("shown");
        QTest::newRow("x86 by its name") << "AMD Ryzen 7 5800X 8-Core Processor" << 586
                                         << "AMD Ryzen 7 5800X 8-Core Processor";
        QTest::newRow("no name, x86") << "" << 586 << "Intel Pentium";
        QTest::newRow("no name, PowerPC") << "" << 604 << "PPC 604";
        QTest::newRow("no name, no type") << "" << 0 << "";
    }
    void processor()
    {
        QFETCH(QString, reported);
        QFETCH(int, type);
        m_facts.ProcessorName = reported;
        m_facts.ProcessorType = type;
        SysInfoModel model;
        model.FillHardware();
        QCOMPARE(model.Hardware[7].Caption, QStringLiteral("Prozessor"));
        QTEST(model.Hardware[7].Value, "shown");
    }

    // The memory figures as the kernel writes them: name, blanks or tabs, kilobytes.
    void memInfo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<quint64>>("kilobytes"); // total, free, swap, swap free
        QTest::newRow("blanks") << QByteArray("MemTotal:       16318412 kB\nMemFree:          123456 kB\n"
                                              "MemAvailable:    8159206 kB\nSwapTotal:       2097148 kB\n"
                                              "SwapFree:        2097000 kB\n")
                                << QList<quint64>{16318412, 8159206, 2097148, 2097000};
        QTest::newRow("tab, no swap") << QByteArray("MemTotal:\t1024 kB\nMemAvailable:\t512 kB")
                                      << QList<quint64>{1024, 512, 0, 0};
    }
    void memInfo()
    {
        QFETCH(QByteArray, text);
        const MemoryFacts m = memoryFromMemInfo(text);
        QList<quint64> kilobytes{m.TotalPhys, m.AvailPhys, m.TotalPageFile, m.AvailPageFile};
        for (quint64& k : kilobytes)
            k /= 1024;
        QTEST(kilobytes, "kilobytes");
        SystemFacts::set(nullptr); // this computer's own "/proc/meminfo"
        const MemoryFacts here = SystemFacts::current().memory();
        SystemFacts::set(&m_facts);
        QVERIFY(here.TotalPhys >= here.AvailPhys && here.AvailPhys > 0);
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
            for (int waited = 0; waited < 20000 && info.GrdHardware->item(9, 1)->text() != "12:00:05"; waited += 100)
                QTest::qWait(100); // the refresh timer, once a second
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

    void pages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text"); // without its indentation
        const QString guide = "vdlRechner1.htm", start = "vdlRechnerStart.htm", index = "vdlRechnerIndex.htm";
        QTest::newRow("title") << guide << 3 << "<title>vdlRechner1</title>";
        QTest::newRow("contents umlaut") << guide << 24
            << "&nbsp;&nbsp;&nbsp;<a href=\"#verknuepfung\">Verkn&uuml;pfung von Rechner und Speicher</a><br>";
        QTest::newRow("guide end") << guide << 175 << "</html>";
        QTest::newRow("start street") << start << 24
                                      << "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Lindenstra&szlig;e 7<br>";
        QTest::newRow("start end") << start << 32 << "</html>";
        QTest::newRow("index text") << index << 11
            << "Diese Seite verwendet Frames. Frames werden von Ihrem Browser aber nicht unterst&uuml;tzt.";
        QTest::newRow("index end") << index << 16 << "</html>";
    }
    void pages()
    {
        QFETCH(QString, file);
        QFETCH(int, line);
        ScriptedPrompter prompter;
        RecordingUrlOpener opener;
        OpenKurzanleitung();
        QVERIFY(prompter.calls.isEmpty()); // no dialog, no message
        const QByteArray bytes = test::fileBytes(ExeDir() + file);
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 128; }));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        const QList<QByteArray> lines = bytes.split('\n');
        const QMap<QString, int> counts{{"vdlRechner1.htm", 175}, {"vdlRechnerStart.htm", 32}, {"vdlRechnerIndex.htm", 16}};
        QCOMPARE(lines.size() - 1, counts[file]);
        QTEST(QString::fromLatin1(lines[line - 1].trimmed()), "text");
    }

    void writtenAndOpened()
    {
        ScriptedPrompter prompter;
        RecordingUrlOpener opener;
        OpenKurzanleitung();
        QCOMPARE(namesIn(ExeDir()), QStringList({"Logo5.jpg", "backgr.jpg", "vdlRechner1.htm", "vdlRechnerIndex.htm",
                                                 "vdlRechnerStart.htm"}));
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(opener.opened[0].toLocalFile(), ExeDir() + "vdlRechnerIndex.htm");
        QCOMPARE(QImage(ExeDir() + "Logo5.jpg", "JPG").size(), QSize(90, 100));
        QCOMPARE(QImage(ExeDir() + "backgr.jpg", "JPG").size(), QSize(640, 480));
        QMap<QString, QByteArray> first;
        for (const QString& name : namesIn(ExeDir()))
            first[name] = test::fileBytes(ExeDir() + name);
        OpenKurzanleitung();
        for (const QString& name : namesIn(ExeDir()))
            QCOMPARE(test::fileBytes(ExeDir() + name), first[name]);
        QCOMPARE(test::fileBytes(ExeDir() + "Logo5.jpg"), test::fileBytes(":/info/Logo5.jpg"));
    }

    void fileCannotBeCreated_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("header page") << "vdlRechnerStart.htm" << QStringList({"vdlRechner1.htm"});
        QTest::newRow("background") << "backgr.jpg"
                                    << QStringList({"Logo5.jpg", "vdlRechner1.htm", "vdlRechnerIndex.htm",
                                                    "vdlRechnerStart.htm"});
    }
    void fileCannotBeCreated()
    {
        QFETCH(QString, blocked);
        QVERIFY(QDir(ExeDir()).mkdir(blocked)); // a folder where the file should go
        ScriptedPrompter prompter;
        RecordingUrlOpener opener;
        OpenKurzanleitung();
        QCOMPARE(prompter.messages(), QStringList("Datei " + ExeDir() + blocked + " kann nicht erstellt werden"));
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("vdlRechner"));
        QTEST(namesIn(ExeDir()), "written");
        QVERIFY(opener.opened.isEmpty());
        QDir(ExeDir()).rmdir(blocked);
    }

    // Without a browser the guide is still written, and the user is told where its first
    // page is, from the help menu and from the product information's button alike.
    void noBrowser_data()
    {
        QTest::addColumn<bool>("fromButton");
        QTest::newRow("menu") << false;
        QTest::newRow("button") << true;
    }
    void noBrowser()
    {
        QFETCH(bool, fromButton);
        ScriptedPrompter prompter;
        RecordingUrlOpener opener;
        opener.started = false;
        if (fromButton) {
            prompter.dialogScripts << [](QDialog& d) {
                static_cast<TfvdlRechInfo&>(d).Button2->click();
                return int(QDialog::Rejected);
            };
            ShowRechInfo(nullptr, "3.1");
        } else {
            OpenKurzanleitung();
        }
        QCOMPARE(opener.opened.size(), 1);
        QCOMPARE(namesIn(ExeDir()).size(), 5);
        const ScriptedPrompter::Call& box = prompter.calls.last();
        QCOMPARE(box.kind, QStringLiteral("message"));
        QCOMPARE(box.caption, QStringLiteral("Fehler"));
        QCOMPARE(box.text, "Es konnte kein Browser gestartet werden!\r\nDie Kurzanleitung steht in der Datei\r\n"
                               + QDir::toNativeSeparators(ExeDir() + "vdlRechnerIndex.htm"));
    }

    void productInformation()
    {
        ScriptedPrompter prompter;
        RecordingUrlOpener opener;
        prompter.dialogScripts << [&](QDialog& d) {
            auto& info = static_cast<TfvdlRechInfo&>(d);
            const QStringList texts{info.Label5->text(), info.Label6->text(), info.Button1->text(), info.Button2->text()};
            if (texts != QStringList({"vdlRechner", "Version 3.1", "Schli&eßen", "Kurzanleitung"}))
                return 99;
            info.Button2->click();
            QTest::mouseClick(info.Image2, Qt::LeftButton);
            return d.isVisible() ? 7 : 98; // still open after the guide was written
        };
        ShowRechInfo(nullptr, "3.1");
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Produktinformation"));
        QCOMPARE(prompter.calls[0].text, QStringLiteral("fvdlRechInfo"));
        QCOMPARE(opener.opened, QList<QUrl>({QUrl::fromLocalFile(ExeDir() + "vdlRechnerIndex.htm"),
                                             QUrl(TfvdlRechInfo::WebAddress)}));
        QCOMPARE(namesIn(ExeDir()).size(), 5);
        QVERIFY(!fvdlRechInfo);
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
