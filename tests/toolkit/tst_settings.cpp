#include "platform/SystemFacts.h"
#include "tests/support/FileLimit.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlReg_identity.h"
#include <QFile>
#include <QTemporaryFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>
#include <memory>

using namespace vdl;
using namespace vdl::test;

class TestSettings : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
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
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
