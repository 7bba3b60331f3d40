// The settings store and the registry routines over it, and what dialogs keep there: the input
// box as the user drives it, dialog positions, fixed fonts and grid column widths.
#include "platform/Prompter.h"
#include "platform/SystemFacts.h"
#include "tests/support/FileLimit.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlGridPos.h"
#include "toolkit/vdlInput.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlReg_identity.h"
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QWidget>
#include <QtTest>
#include <memory>

using namespace vdl;
using namespace vdl::test;

namespace {
const QString posKey = QStringLiteral("%\\FormFix");
QString storedPos(const QString& name) { return ReadSettingEx(posKey, name, true); }
} // namespace

class TestSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    // A dialog "Form1" with one string grid "Grid" of three columns, 40 wide each.
    struct Form {
        QDialog dialog;
        QTableWidget* grid = new QTableWidget(2, 3, &dialog);
        Form()
        {
            dialog.setObjectName("Form1");
            grid->setObjectName("Grid");
            grid->horizontalHeader()->setMinimumSectionSize(1);
            grid->setGeometry(0, 0, 300, 100);
            for (int i = 0; i < 3; ++i)
                grid->setColumnWidth(i, 40);
        }
        QList<int> widths() const { return {grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)}; }
    };

private slots:
    void initTestCase() { pinGerman(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SettingsStore::setDir(m_dir->path());
    }

    void settingsFolder_data()
    {
        QTest::addColumn<QString>("settingsDir");
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<QString>("file");
        QTest::newRow("own variable first") << "/s/vdl" << "/c" << "/s/vdl/HKEY_CURRENT_USER.ini";
        QTest::newRow("config home") << "" << "/c" << "/c/vdl/HKEY_CURRENT_USER.ini";
        QTest::newRow("home") << "" << "" << QDir::homePath() + "/.config/vdl/HKEY_CURRENT_USER.ini";
    }
    void settingsFolder()
    {
        QFETCH(QString, settingsDir);
        QFETCH(QString, configHome);
        QFETCH(QString, file);
        const QByteArray oldDir = qgetenv("VDL_SETTINGS_DIR"), oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("VDL_SETTINGS_DIR", settingsDir.toUtf8());
        qputenv("XDG_CONFIG_HOME", configHome.toUtf8());
        SettingsStore::setDir(QString());
        const QString user = SettingsStore::fileName(true), machine = SettingsStore::fileName(false);
        qputenv("VDL_SETTINGS_DIR", oldDir);
        qputenv("XDG_CONFIG_HOME", oldHome);
        QCOMPARE(user, file);
        QCOMPARE(machine, QString(file).replace("CURRENT_USER", "LOCAL_MACHINE"));
    }

    void address_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("ip");
        QTest::newRow("unresolved") << "" << "127.0.0.1";
        QTest::newRow("resolved") << "192.168.2.17" << "192.168.2.17";
    }
    void address()
    {
        FixedSystemFacts facts;
        QFETCH(QString, host);
        facts.HostIPv4 = host;
        QString ip = QStringLiteral("old");
        QCOMPARE(GetLocalIPAddress(ip), 0);
        QTEST(ip, "ip");
    }

    void fileVersion()
    {
        QString version = QStringLiteral("old");
        GetFileVersionText(QCoreApplication::applicationFilePath(), version);
        QCOMPARE(version, QStringLiteral("3.1.0.0"));
        QTemporaryFile text;
        QVERIFY(text.open());
        GetFileVersionText(text.fileName(), version);
        QCOMPARE(version, QString());
    }

    // Keys as callers write them and where they lie in the store.
    void expandKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expanded");
        const auto expanded = [](QString key, bool addRoot = true) {
            ExpandKey(key, addRoot);
            return key;
        };
        QTest::newRow("title key") << expanded("%") << R"(\software\vdl\vdlRechner)";
        QTest::newRow("sub-key of title") << expanded(R"(%\FormFix)") << R"(\software\vdl\vdlRechner\FormFix)";
        QTest::newRow("title unrooted") << expanded(R"(%\Waehrungen)", false) << R"(vdlRechner\Waehrungen)";
        QTest::newRow("relative") << expanded("System") << R"(\software\vdl\System)";
        QTest::newRow("whole prefix, other case") << expanded(R"(\SOFTWARE\VDL\x)") << R"(\SOFTWARE\VDL\x)";
        QTest::newRow("lacks backslash") << expanded(R"(software\vdl\x)") << R"(\software\vdl\x)";
        QTest::newRow("tail vdl") << expanded(R"(vdl\Test)") << R"(\software\vdl\Test)";
        QTest::newRow("tail backslash") << expanded(R"(\foo)") << R"(\software\vdl\foo)";
    }
    void expandKey()
    {
        QFETCH(QString, key);
        QTEST(key, "expanded");
        QVERIFY(IsRelativeKey("%") && IsRelativeKey("") && !IsRelativeKey(R"(\System)"));
    }

    void valuesSurviveUnchanged_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("blanks") << "FormFix" << "  a  b 1 ";
        QTest::newRow("currency") << "Euro" << "€;1,95583;DM, Mark;/ \\ ;";
        QTest::newRow("backslash runs") << "b" << R"(\\n\\\r\)";
        QTest::newRow("line breaks") << "m" << "eins\r\nzwei\ndrei\r";
        QTest::newRow("looks like a section") << "s" << "[\\software]";
        QTest::newRow("odd name") << R"([a=b\c\)" << "a=b==";
    }
    void valuesSurviveUnchanged()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        WriteSetting(R"(%\Test)", "vorher", "v", true, true);
        WriteSetting(R"(%\Test)", name, value, true, true);
        WriteSetting(R"(%\Test)", "nachher", "n", true, true);
        QCOMPARE(ReadSettingEx(R"(%\Test)", name, true), value);
        QStringList names, values;
        ReadKeyValues(R"(%\Test)", names, values, true);
        QCOMPARE(names, QStringList({"vorher", name, "nachher"}));
        QCOMPARE(values, QStringList({"v", value, "n"}));
    }

    void caseInsensitiveFirstSpellingKept()
    {
        WriteSetting(R"(%\Waehrungen)", "Euro", "1", false, true);
        WriteSetting(R"(%\Waehrungen)", "Dollar", "2", false, true);
        QCOMPARE(ReadSetting(R"(%\WAEHRUNGEN)", "EURO"), "1");
        WriteSetting(R"(\SOFTWARE\VDL\VDLRECHNER\waehrungen)", "EURO", "3", false, true);
        QCOMPARE(fileBytes(SettingsStore::fileName(false)), "[\\software\\vdl\\vdlRechner\\Waehrungen]\nEuro=3\nDollar=2\n");
        // A value written for the current user is not seen in the machine's root.
        WriteSetting(R"(%\Waehrungen)", "Yen", "4", true, true);
        QCOMPARE(ReadSetting(R"(%\Waehrungen)", "Yen"), "");
        QCOMPARE(ReadSettingEx(R"(%\Waehrungen)", "Yen", true), "4");
    }

    void handWrittenFileIsRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("app font") << QByteArray("[\\software\\vdl\\vdlRechner]\r\nAppFont=10;1000;0;Tahoma\r\n")
                                  << "%" << "AppFont" << "10;1000;0;Tahoma";
        QTest::newRow("system key") << QByteArray("[\\Software\\VDL\\System]\nLike=*\n") << "System" << "Like" << "*";
        QTest::newRow("absolute key") << QByteArray("[\\System]\nLike=%\n") << R"(\System)" << "Like" << "%";
        QTest::newRow("absolute, no prefix")
            << QByteArray("[\\software\\vdl\\System]\nLike=x\n") << R"(\System)" << "Like" << "";
        QTest::newRow("path value") << QByteArray("[\\software\\vdl\\vdlRechner]\nPfad=C:\\Daten\\\n") << "%"
                                    << "Pfad" << R"(C:\Daten\)";
    }
    void handWrittenFileIsRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QVERIFY(putFile(SettingsStore::fileName(false), content));
        QTEST(ReadSetting(key, name), "value");
        QFETCH(QString, value);
        QCOMPARE(ReadSettings(key, {"Fehlt", name.toUpper()}), QStringList({"", value}));
    }

    // Edited by hand: a name given twice counts once, with its first value.
    void repeatedNameCountsOnce()
    {
        QVERIFY(putFile(SettingsStore::fileName(false),
                        "[\\software\\vdl\\vdlRechner\\Waehrungen]\nEuro=E\nDollar=D\nEuro=X\n"));
        QStringList names, values;
        ReadKeyValues(R"(%\Waehrungen)", names, values, false);
        QCOMPARE(names.join('|') + ' ' + values.join('|'), "Euro|Dollar E|D");
    }

    void deletingAndListing()
    {
        WriteSetting(R"(%\Waehrungen)", "Euro", "x", false, true);
        WriteSetting(R"(%\Waehrungen)", "Euro", "", false, true);
        QCOMPARE(ReadSetting(R"(%\Waehrungen)", "Euro"), "");
        // The key stays: listing it clears the names and leaves the values to the caller.
        QStringList names{"n"}, values{"v"};
        ReadKeyValues(R"(%\Waehrungen)", names, values, false);
        QCOMPARE(names, QStringList());
        QCOMPARE(values, QStringList({"v"}));
        names = {"n"};
        ReadKeyValues(R"(%\Fehlt)", names, values, false);
        QCOMPARE(names, QStringList({"n"}));
        QCOMPARE(values, QStringList({"v"}));
        // An ODBC data source lies outside the program's own keys.
        WriteSetting(R"(software\ODBC\ODBC.INI\Kasse)", "DBQ", "/daten/kasse.mdb", true, false);
        QCOMPARE(ReadRegValue(R"(SOFTWARE\ODBC\ODBC.INI\KASSE)", "DBQ", false, true), "/daten/kasse.mdb");
    }

    void settingList_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("formName");
        QTest::addColumn<QString>("storedKey");
        QTest::addColumn<QStringList>("list");
        QTest::newRow("form's grid") << R"(%\GridFix)" << "TfListe" << R"(%\GridFix\TfListe)"
                                     << QStringList({"40", "120", ""});
        QTest::newRow("empty key is title") << "" << "" << "%" << QStringList({"40", "120", ""});
        QTest::newRow("absent") << R"(%\GridFix)" << "" << R"(%\GridIDs)" << QStringList();
    }
    void settingList()
    {
        QFETCH(QString, key);
        QFETCH(QString, formName);
        QFETCH(QString, storedKey);
        WriteSetting(storedKey, "Grid1", "40;120;", true, true);
        QWidget form;
        form.setObjectName(formName);
        QStringList result{"alt"};
        ReadSettingList(key, "Grid1", formName.isEmpty() ? nullptr : &form, result, true);
        QTEST(result, "list");
    }

    void failedSaveLeavesValueAbsent_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::newRow("folder below a file") << "datei/sub";
        QTest::newRow("settings file is a folder") << "ordner";
    }
    void failedSaveLeavesValueAbsent()
    {
        QFETCH(QString, dir);
        // Rights cannot stop root from writing, so the path itself is made impossible.
        QFile plain(m_dir->filePath("datei"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QVERIFY(QDir(m_dir->path()).mkpath("ordner/HKEY_CURRENT_USER.ini"));
        SettingsStore::setDir(m_dir->filePath(dir));
        WriteSetting("%", "FormFix", "1", true, true);
        QCOMPARE(ReadSettingEx("%", "FormFix", true), "");
    }

    void sectionLineWithTrailingBlanks_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("blank") << QByteArray("[\\software\\vdl\\vdlRechner\\Waehrungen] \n");
        QTest::newRow("blanks and tab, CR LF") << QByteArray("[\\software\\vdl\\vdlRechner\\Waehrungen]  \t\r\n");
    }
    void sectionLineWithTrailingBlanks()
    {
        QFETCH(QByteArray, line);
        // Edited by hand: the currencies' section line ends in blanks.
        const QByteArray content = "[\\software\\vdl\\vdlRechner]\nRahmenAnpassen=Ja\n" + line + "Euro=E\n";
        QVERIFY(putFile(SettingsStore::fileName(false), content));
        QCOMPARE(ReadSetting(R"(%\Waehrungen)", "Euro"), "E");
        QVERIFY(WriteSetting(R"(%\Waehrungen)", "Dollar", "D", false, true));
        QCOMPARE(fileBytes(SettingsStore::fileName(false)), "[\\software\\vdl\\vdlRechner]\nRahmenAnpassen=Ja\n"
                              "[\\software\\vdl\\vdlRechner\\Waehrungen]\nEuro=E\nDollar=D\n");
    }

    void fullDiskKeepsTheFile_data()
    {
        QTest::addColumn<QString>("value"); // "" deletes
        QTest::newRow("write") << "neu";
        QTest::newRow("delete") << "";
    }
    void fullDiskKeepsTheFile()
    {
        QFETCH(QString, value);
        QByteArray content = "[\\software\\vdl\\vdlRechner\\Test]\n";
        for (int i = 0; i < 600; ++i)
            content += "Wert" + QByteArray::number(i) + "=Inhalt des Werts, " + QByteArray::number(i) + "\n";
        QVERIFY(putFile(SettingsStore::fileName(true), content));
        // The file's own size (about 17,000 bytes) fits under the limit; a new one stops at 4,096.
        const QStringList told = runWithFileLimit(QStringLiteral("childWrite"), 4096,
                                                  {QStringLiteral("VDL_SETTINGS_DIR"), m_dir->path(),
                                                   QStringLiteral("VDL_TEST_VALUE"), value});
        QCOMPARE(told, QStringList{"false"});
        QCOMPARE(fileBytes(SettingsStore::fileName(true)), content);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
                 QStringList({"HKEY_CURRENT_USER.ini", "HKEY_CURRENT_USER.ini.lock"}));
    }

    // Runs only in the child of fullDiskKeepsTheFile.
    void childWrite()
    {
        if (!inLimitedChild())
            QSKIP("runs only as a child");
        SettingsStore::setDir(QString());
        const bool saved = WriteSetting(R"(%\Test)", "Wert7", qEnvironmentVariable("VDL_TEST_VALUE"), true, true);
        report(saved ? QStringLiteral("true") : QStringLiteral("false"));
    }

    void layout()
    {
        TvdlInputBox box;
        QCOMPARE(box.objectName(), QStringLiteral("vdlInputBox"));
        QCOMPARE(box.size(), QSize(472, 77));
        QCOMPARE(box.Abbruch->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(box.OK->text(), QStringLiteral("&OK"));
        QVERIFY(box.OK->isDefault());
        QCOMPARE(box.font().family(), QStringLiteral("Arial")); // no Tahoma installed
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((box.geometry().center() - centre).manhattanLength() <= 2);
    }

    void script_data()
    {
        QTest::addColumn<bool>("password");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("forbidden");
        QTest::addColumn<QString>("keys");  // typed into the edit, "\b" Backspace, "\x1b" Escape
        QTest::addColumn<QString>("button"); // "ok", "abort", "close"
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown"); // the edit as the user sees it before the button
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        QTest::newRow("ok takes the text") << false << -1 << "" << "x" << "ok" << true << "Rechner 1x"
                                           << "Rechner 1x" << none;
        QTest::newRow("abort keeps value") << false << -1 << "" << "x" << "abort" << false << "Rechner 1"
                                           << "Rechner 1x" << none;
        QTest::newRow("close box keeps value") << false << -1 << "" << "x" << "close" << false << "Rechner 1"
                                               << "Rechner 1x" << none;
        QTest::newRow("escape stays open") << false << -1 << "" << "\x1b" << "ok" << true << "Rechner 1"
                                           << "Rechner 1" << none;
        QTest::newRow("password stars") << true << -1 << "" << "ab" << "ok" << true << "Rechner 1ab"
                                        << "***********" << none;
        QTest::newRow("two refused, one warning") << false << -1 << ";," << ";a;" << "ok" << true << "Rechner 1a"
                                                  << "Rechner 1a"
                                                  << QStringList{"Die Zeichen \";,\" sind hier nicht erlaubt!|Warnung|16"};
        QTest::newRow("blank refused") << false << -1 << " " << "a b" << "ok" << true << "Rechner 1ab"
                                       << "Rechner 1ab"
                                       << QStringList{"Das Leerzeichen ist hier nicht erlaubt!|Warnung|16"};
        QTest::newRow("one character refused") << false << -1 << "x" << "xy" << "ok" << true << "Rechner 1y"
                                               << "Rechner 1y"
                                               << QStringList{"Das Zeichen \"x\" ist hier nicht erlaubt!|Warnung|16"};
        QTest::newRow("implied decimals") << false << 2 << "" << "\b\b\b\b\b\b\b\b\b1234567" << "ok" << true
                                          << "12345,67" << "1234567" << none;
        QTest::newRow("no number stays open") << false << 2 << "" << "" << "ok" << false << "Rechner 1"
                                              << "Rechner 1" << QStringList{"Ungültiger Wert!|Fehler|16"};
    }
    void script()
    {
        QFETCH(QString, keys);
        QFETCH(QString, button);
        QFETCH(bool, password);
        QFETCH(int, decimals);
        QFETCH(QString, forbidden);
        ScriptedPrompter prompter;
        QString shown;
        bool openAfterButton = false;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& box = static_cast<TvdlInputBox&>(dialog);
            QTest::keyClicks(box.Input, keys);
            shown = box.isVisible() ? box.Input->displayText() : QStringLiteral("(closed)");
            if (button == QLatin1String("ok"))
                box.OK->click();
            else if (button == QLatin1String("abort"))
                box.Abbruch->click();
            else
                box.close();
            openAfterButton = box.isVisible();
            return int(QDialog::Rejected);
        };
        QString value = QStringLiteral("Rechner 1");
        QTEST(ShowInputBox(QStringLiteral("Neue Bezeichnung:"), value, password, decimals, forbidden), "result");
        QTEST(value, "value");
        QTEST(shown, "shown");
        QStringList messages;
        for (const auto& c : prompter.calls.mid(1))
            messages << c.text + '|' + c.caption + '|' + QString::number(c.flags);
        QTEST(messages, "messages");
        QCOMPARE(openAfterButton, !messages.isEmpty() && decimals >= 0);
        QCOMPARE(prompter.calls.first().caption, QStringLiteral("Neue Bezeichnung:"));
    }

    // Opened, moved, closed, opened again and closed unmoved: the box stays where it was put.
    void inputBoxRoundTrip()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), QStringLiteral("1"), true, true);
        ScriptedPrompter prompter;
        QList<QRect> seen;
        const auto closeAt = [&](QPoint to) {
            return [&seen, to](QDialog& d) {
                seen << d.geometry();
                if (!to.isNull())
                    d.setGeometry(QRect(to, d.size()));
                static_cast<TvdlInputBox&>(d).OK->click();
                return 0;
            };
        };
        prompter.dialogScripts << closeAt({100, 120}) << closeAt({}) << closeAt({});
        QString value;
        for (int i = 0; i < 3; ++i)
            ShowInputBox(QStringLiteral("Neue Bezeichnung:"), value, false, -1, QString());
        QCOMPARE(storedPos(QStringLiteral("vdlInputBox")), QStringLiteral("100,120,572,197"));
        QCOMPARE(seen.value(1), QRect(100, 120, 472, 77));
        QCOMPARE(seen.value(2), QRect(100, 120, 472, 77));
    }

    void restore_data()
    {
        QTest::addColumn<QString>("formFix");
        QTest::addColumn<QString>("stored");
        // A resizable window placed at (5,6) 50x40, a fixed 80x30 dialog placed at (5,6).
        QTest::addColumn<QString>("placed");
        QTest::newRow("bounds") << "1" << "10,20,310,220" << "10,20 300x200 | 10,20 80x30";
        QTest::newRow("maximised") << "1" << "2:10,20,310,220" << "10,20 300x200 maximised | 10,20 80x30";
        QTest::newRow("state before last colon") << "1" << "x:2:10,20,310,220" << "10,20 300x200 | 10,20 80x30";
        QTest::newRow("non-number is 0") << "1" << "a,20,310,220" << "0,20 310x200 | 0,20 80x30";
        QTest::newRow("three parts") << "1" << "10,20,310" << "5,6 50x40 | 5,6 80x30";
        QTest::newRow("switch off") << "" << "10,20,310,220" << "5,6 50x40 | 5,6 80x30";
        QTest::newRow("trailing blank is off") << "1 " << "10,20,310,220" << "5,6 50x40 | 5,6 80x30";
    }
    void restore()
    {
        QFETCH(QString, formFix);
        QFETCH(QString, stored);
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), formFix, true, true);
        WriteSetting(posKey, QStringLiteral("Fenster"), stored, true, true);
        WriteSetting(posKey, QStringLiteral("Dialog"), stored, true, true);
        QWidget window;
        window.setObjectName(QStringLiteral("Fenster"));
        window.setGeometry(5, 6, 50, 40);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Dialog"));
        dialog.setFixedSize(80, 30);
        dialog.move(5, 6);
        RestoreFormPos(&window);
        RestoreFormPos(&dialog);
        const auto placed = [](const QWidget& w) {
            const QRect g = w.geometry();
            return QStringLiteral("%1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
        };
        QTEST(placed(window) + (window.isMaximized() ? " maximised | " : " | ") + placed(dialog), "placed");
    }

    void saveMaximised()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), QStringLiteral("1"), true, true);
        QWidget window;
        window.setObjectName(QStringLiteral("Fenster"));
        window.setGeometry(30, 40, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showMaximized();
        QTRY_VERIFY(window.width() > 200);
        SaveFormPos(&window);
        QCOMPARE(storedPos(QStringLiteral("Fenster")), QStringLiteral("2:30,40,230,140"));
        QVERIFY(!window.isMaximized());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("formFont"); // value under "%\FontFix" for the form
        QTest::addColumn<QString>("appFont");
        QTest::addColumn<QString>("font"); // family, size, italic, text colour
        QTest::newRow("own font") << "10;1000;0;Liberation Serif" << "12;0;0;DejaVu Sans" << "Liberation Serif 10 #000000";
        QTest::newRow("application font") << "" << "12;01;255;dejavu sans" << "dejavu sans 12 italic #ff0000";
        QTest::newRow("no font text") << "" << "" << "Arial 9 #000000";
        QTest::newRow("not installed") << "11;;0;Tahoma" << "" << "Arial 11 #000000";
        QTest::newRow("bad size and colour") << "x;01;rot;Liberation Mono" << "" << "Liberation Mono 9 italic #000000";
    }
    void fonts()
    {
        QFETCH(QString, formFont);
        QFETCH(QString, appFont);
        WriteSetting(QStringLiteral("%\\FontFix"), QStringLiteral("Dialog"), formFont, false, true);
        WriteSetting(QStringLiteral("%"), QStringLiteral("AppFont"), appFont, false, true);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Dialog"));
        dialog.setFont(QFont(QStringLiteral("Tahoma"), 9));
        QPalette palette = dialog.palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        dialog.setPalette(palette);
        auto* button = new QPushButton(QStringLiteral("&OK"), &dialog);
        RestoreFormPos(&dialog);
        const QFont f = button->font();
        QTEST(QStringLiteral("%1 %2 %3").arg(f.family()).arg(f.pointSize()).arg(f.italic() ? "italic " : "")
                  + dialog.palette().color(QPalette::WindowText).name(),
              "font");
    }

    void fitColumn_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("minWidth");
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("fills") << 1 << 0 << 200 << QList<int>{40, 118, 40};
        QTest::newRow("no column") << -1 << 0 << 200 << QList<int>{40, 40, 40};
        QTest::newRow("too narrow") << 1 << 0 << 60 << QList<int>{40, 40, 40};
        QTest::newRow("minimum") << 2 << 90 << 60 << QList<int>{40, 40, 90};
    }
    void fitColumn()
    {
        QFETCH(int, col);
        QFETCH(int, minWidth);
        QFETCH(int, gridWidth);
        Form form;
        form.grid->setFrameShape(QFrame::NoFrame);
        form.grid->verticalHeader()->hide();
        form.grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        form.grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        form.grid->resize(gridWidth, 100);
        form.dialog.show();
        FitGridColumn(form.grid, col, minWidth);
        QTEST(form.widths(), "widths");
    }

    void restoreAndSave_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("shorter list keeps the rest") << "55;x" << QList<int>{55, 40, 40};
        QTest::newRow("all stored") << "10;20;30" << QList<int>{10, 20, 30};
        QTest::newRow("nothing stored") << "" << QList<int>{40, 40, 40};
    }
    void restoreAndSave()
    {
        QFETCH(QString, stored);
        Form form;
        WriteSetting("%\\GridFix\\Form1", "Grid", stored, true, true);
        WriteSetting("%\\GridIDs\\Form1", "Grid", "0;1;2", true, true);
        RestoreAllGrids(&form.dialog, "99;99;99", 1);
        QTEST(form.widths(), "widths");
        SaveAllGrids(&form.dialog);
        QCOMPARE(ReadSettingEx("%\\GridFix\\Form1", "Grid", true), QStringLiteral("%1;%2;%3")
                     .arg(form.grid->columnWidth(0)).arg(form.grid->columnWidth(1)).arg(form.grid->columnWidth(2)));
        // Every column has its own position as id: no ids are kept.
        QCOMPARE(ReadSettingEx("%\\GridIDs\\Form1", "Grid", true), QString());
    }

    // Colours and grid fonts kept in the store: a text that is no number, or no font, never
    // stops the dialog; the control keeps what it had.
    void colourAndFont_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("shown"); // the grid's and the edit's colour, the grid's font
        QTest::newRow("colour $BBGGRR") << "255" << "" << "#ff0000 #ff0000";
        QTest::newRow("colour by name") << "rot" << "" << "#fffffe #fffffe";
        QTest::newRow("colour with blanks and text") << "12 34" << "" << "#fffffe #fffffe";
        QTest::newRow("system colour") << "-16777201" << "" << "#fffffe #fffffe";
        QTest::newRow("font") << "" << "12;1000;0;Liberation Mono" << "#fffffe #fffffe Liberation Mono 12 bold";
        QTest::newRow("font with bad parts") << "rot" << "groß;x1;rot;Liberation Serif"
                                             << "#fffffe #fffffe Liberation Serif italic";
    }
    void colourAndFont()
    {
        QFETCH(QString, colour);
        QFETCH(QString, font);
        Form form;
        auto* edit = new QLineEdit(&form.dialog);
        edit->setObjectName("Feld");
        for (QWidget* w : std::initializer_list<QWidget*>{form.grid, edit}) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::Base, QColor("#fffffe"));
            w->setPalette(palette);
            WriteSetting("%\\Color\\Form1", w->objectName(), colour, true, true);
        }
        form.grid->setFont(QFont("Liberation Sans", 9));
        WriteSetting("%\\GridFont\\Form1", "Grid", font, true, true);
        RestoreGridLayout(&form.dialog, form.grid, QString(), -1);
        RestoreControlColor(edit);
        QString shown = form.grid->palette().color(QPalette::Base).name() + " "
                        + edit->palette().color(QPalette::Base).name();
        if (!font.isEmpty()) {
            const QFont f = form.grid->font();
            shown += QLatin1Char(' ') + f.family();
            if (f.pointSize() == 12)
                shown += QStringLiteral(" 12");
            shown += f.bold() ? QStringLiteral(" bold") : f.italic() ? QStringLiteral(" italic") : QString();
        }
        QTEST(shown, "shown");
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
