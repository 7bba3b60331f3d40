// The short guide written into the program folder and opened, and the product information.
#include "info/GuideWriter.h"
#include "info/vdlRechInfo.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "platform/UrlOpener.h"
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;

class TestGuide : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;

    static QByteArray bytesOf(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QStringList namesIn(const QString& dir)
    {
        return QDir(dir).entryList(QDir::Files, QDir::Name);
    }

private slots:
    // A fresh program folder for each case, with blanks in its path.
    void init()
    {
        static int n = 0;
        setExeDir(m_tmp.path() + "/Programme mit Blanks " + QString::number(++n));
        QDir().mkpath(ExeDir());
    }
    void cleanup() { setExeDir(QString()); }

    void pages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text"); // without its indentation
        const QString guide = "vdlRechner1.htm", start = "vdlRechnerStart.htm", index = "vdlRechnerIndex.htm";
        QTest::newRow("guide 3") << guide << 3 << "<title>vdlRechner1</title>";
        QTest::newRow("guide 5") << guide << 5 << "body      {background-image:url(backgr.jpg);";
        QTest::newRow("guide 6") << guide << 6 << "background-position:center center;";
        QTest::newRow("guide 7") << guide << 7 << "background-attachment:fixed; background-repeat:no-repeat;";
        QTest::newRow("guide 8") << guide << 8 << "background-color:#efefef}";
        QTest::newRow("guide 9") << guide << 9 << "p, ul     {font-family:Arial;font-size:10pt;margin-left:1cm}";
        QTest::newRow("guide 10") << guide << 10
                                  << "h1        {font-family:Arial;font-size:14pt;font-weight:bold;color:#0000C0}";
        QTest::newRow("guide 11") << guide << 11
                                  << "h2        {font-family:Arial;font-size:10pt;font-weight:bold;margin-left:0.5cm}";
        QTest::newRow("guide 12") << guide << 12 << "a:link,";
        QTest::newRow("guide 13") << guide << 13 << "a:visited {color:#008000;text-decoration:none}";
        QTest::newRow("guide 16") << guide << 16 << "<body bgcolor=\"#e0e0e0\">";
        QTest::newRow("guide 17") << guide << 17 << "<h1>Inhalt</h1>";
        QTest::newRow("contents umlaut") << guide << 24
            << "&nbsp;&nbsp;&nbsp;<a href=\"#verknuepfung\">Verkn&uuml;pfung von Rechner und Speicher</a><br>";
        QTest::newRow("hinweise") << guide << 35 << "<h1><a name=\"hinweise\">Hinweise zur Bedienung:</a></h1>";
        QTest::newRow("features") << guide << 52 << "<h1><a name=\"features\">Besondere Features:</a></h1>";
        QTest::newRow("tips") << guide << 111 << "<h1><a name=\"tips\">Tips:</a></h1>";
        QTest::newRow("installation") << guide << 157
                                      << "<h1><a name=\"installation\">Hinweise zu Installation</a></h1>";
        QTest::newRow("nutzung") << guide << 162 << "<h1><a name=\"nutzung\">Nutzungsbedingungen</a></h1>";
        QTest::newRow("voraussetzung") << guide << 171
                                       << "<h1><a name=\"voraussetzung\">Systemvoraussetzungen</a></h1>";
        QTest::newRow("guide end") << guide << 175 << "</html>";
        QTest::newRow("start logo") << start << 9 << "<img border=\"0\" src=\"Logo5.jpg\" vspace=\"0\">";
        QTest::newRow("start street") << start << 24
                                      << "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Lindenstra&szlig;e 7<br>";
        QTest::newRow("start end") << start << 32 << "</html>";
        QTest::newRow("index frames") << index << 5
                                      << "<frameset rows=\"110,*\" frameborder=\"0\" framespacing=\"0\" border=\"0\">";
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
        const QByteArray bytes = bytesOf(ExeDir() + file);
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
            first[name] = bytesOf(ExeDir() + name);
        OpenKurzanleitung();
        for (const QString& name : namesIn(ExeDir()))
            QCOMPARE(bytesOf(ExeDir() + name), first[name]);
        QCOMPARE(bytesOf(ExeDir() + "Logo5.jpg"), bytesOf(":/info/Logo5.jpg"));
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

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
