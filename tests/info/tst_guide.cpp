// The short guide written into the program folder and opened, and the product information.
#include "info/GuideWriter.h"
#include "info/vdlRechInfo.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "platform/UrlOpener.h"
#include "tests/support/TestEnv.h"
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
