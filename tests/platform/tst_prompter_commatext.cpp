// Message boxes, file dialogs and the scripted prompter; the system's printers; texts in lists, comma texts and values.
#include "platform/CommaText.h"
#include "platform/Error.h"
#include "platform/NumText.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "platform/StringList.h"
#include "platform/Var.h"
#include "tests/support/TestEnv.h"
#include <QApplication>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/inotify.h>
#include <unistd.h>

using namespace vdl;

namespace {
// The message box currently open, if any.
QMessageBox* openBox()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// The names of the files opened in a folder since the watch on it began.
QStringList filesOpened(int watch)
{
    QStringList names;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;)
        for (auto* e = events; e < events + n; e += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(e)->len)
            if (const auto* event = reinterpret_cast<inotify_event*>(e); event->len) // none for the folder itself
                names << QString::fromUtf8(event->name);
    return names;
}
} // namespace

class TestPrompterCommaText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { init(); } // rows are read and written in the data function
    void init() { test::pinGerman(); }

    void messageBox_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("defaultAnswer");
        QTest::newRow("error") << (mb::Ok | mb::IconError) << QStringList{"OK"} << "OK"
                               << int(QMessageBox::Critical) << mb::IdOk;
        QTest::newRow("ok cancel, second") << (mb::OkCancel | mb::IconWarning | mb::DefButton2)
                                           << QStringList{"OK", "Abbrechen"} << "Abbrechen"
                                           << int(QMessageBox::Warning) << mb::IdCancel;
        QTest::newRow("yes no cancel, third") << (mb::YesNoCancel | mb::IconInformation | mb::DefButton3)
                                              << QStringList{"Ja", "Nein", "Abbrechen"} << "Abbrechen"
                                              << int(QMessageBox::Information) << mb::IdCancel;
    }
    void messageBox()
    {
        QFETCH(int, flags);
        QFETCH(QStringList, buttons);
        QFETCH(QString, defaultButton);
        QFETCH(int, icon);
        QFETCH(int, defaultAnswer);

        // What the user sees: the real box, answered with Enter on its default button.
        QStringList shownButtons;
        QString shownText, shownDefault, shownCaption;
        int shownIcon = -1;
        QTimer::singleShot(0, [&] {
            QMessageBox* box = openBox();
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                shownButtons << b->text();
            shownText = box->text();
            shownCaption = box->windowTitle();
            shownDefault = box->defaultButton()->text();
            shownIcon = box->icon();
            QTest::keyClick(box, Qt::Key_Return);
        });
        const int answer = ShowMessage("Erste Zeile\r\nZweite Zeile", "vdlRechner", flags);
        std::sort(shownButtons.begin(), shownButtons.end());
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(shownButtons, buttons);
        QCOMPARE(shownDefault, defaultButton);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownText, QStringLiteral("Erste Zeile\nZweite Zeile"));
        QCOMPARE(shownCaption, QStringLiteral("vdlRechner"));
        QCOMPARE(answer, defaultAnswer);

        // The scripted prompter answers the same box the same way and records it.
        ScriptedPrompter script;
        QCOMPARE(ShowMessage("Frage", "Titel", flags), defaultAnswer);
        script.answers << mb::IdNo;
        QCOMPARE(ShowMessage("Zweite", "Titel", flags), mb::IdNo);
        QCOMPARE(script.messages(), (QStringList{"Frage", "Zweite"}));
        QCOMPARE(script.calls[0].caption, QStringLiteral("Titel"));
        QCOMPARE(script.calls[0].flags, flags);
    }

    void scriptedPromptersNest()
    {
        ScriptedPrompter outer;
        {
            ScriptedPrompter inner;
            ShowMessage("innen", "", mb::Ok);
            QCOMPARE(inner.messages(), QStringList{"innen"});
        }
        ShowMessage("außen", "", mb::Ok);
        QCOMPARE(outer.messages(), QStringList{"außen"});
        QString value = "alt";
        outer.inputAnswers << QString();
        QVERIFY(!Prompter::current().inputText("Name", "Neuer Name:", value));
        QCOMPARE(value, QStringLiteral("alt"));
        QVERIFY(Prompter::current().openFileName("Öffnen", "/tmp", "Rechner-Layouts (*.zqe)").isEmpty());
        QCOMPARE(outer.calls.last().extra, QStringLiteral("Rechner-Layouts (*.zqe)"));
    }

    // The file dialogs show a file's type by its name and never open a file to show it:
    // a file that never answers to reading (/proc/kmsg) would hang the program.
    void fileDialogTypeByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mime");
        QTest::addColumn<bool>("openAtFile"); // else saving, in the file's folder
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("PNG bytes, text name") << "notiz.txt" << png << "text/plain" << true;
        QTest::newRow("text bytes, PNG name") << "bild.png" << QByteArray("Hallo\n") << "image/png" << false;
        QTest::newRow("PNG bytes, layout name") << "layout.zqe" << png << "application/octet-stream" << true;
        QTest::newRow("PNG bytes, no extension") << "kmsg" << png << "application/octet-stream" << false;
    }
    void fileDialogTypeByName()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mime);
        QFETCH(bool, openAtFile);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(test::putFile(path, bytes));
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(inotify_add_watch(watch, QFile::encodeName(folder.path()).constData(), IN_OPEN) >= 0);
        QString shownType, shownName;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            const auto closing = qScopeGuard([modal] { if (modal) modal->close(); });
            auto* files = modal->findChild<QFileSystemModel*>();
            QVERIFY(QTest::qWaitFor([&] { return files->rowCount(files->index(folder.path())) == 1; }, 10000));
            shownType = files->index(path, 2).data().toString(); // the "Type" column
            shownName = modal->findChild<QLineEdit*>("fileNameEdit")->text();
        });
        QVERIFY((openAtFile ? Prompter::current().openFileName("Öffnen", path, "Alle Dateien (*)")
                            : Prompter::current().saveFileName("Speichern", folder.path(), "Alle Dateien (*)", false)).isEmpty());
        QCOMPARE(shownType, QMimeDatabase().mimeTypeForName(mime).comment());
        QCOMPARE(shownName, openAtFile ? name : QString());
        QCOMPARE(filesOpened(watch), QStringList());
        close(watch);
    }

    // Comma texts read into items (shown as [item][item]) and items written as a comma text,
    // which reads back into the same items.
    // The system's printers: the one chosen is the current one.
    void systemPrinters()
    {
        PrinterSession& session = PrinterSession::instance();
        const QStringList names = session.printerNames();
        if (names.isEmpty())
            QSKIP("no printer installed");
        session.setPrinterIndex(int(names.size()) - 1);
        QCOMPARE(session.printerIndex(), int(names.size()) - 1);
        QCOMPARE(session.printerName(), names.last());
    }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto items = [](const QStringList& list) { return list.isEmpty() ? QString() : '[' + list.join("][") + ']'; };
        QTest::newRow("currency record") << items(ParseCommaText("\"DM\",\"1,00000\",\"14. 09. 2001\"")) << "[DM][1,00000][14. 09. 2001]";
        QTest::newRow("blank separates") << items(ParseCommaText("a b")) << "[a][b]";
        QTest::newRow("blanks around") << items(ParseCommaText("  a , b ")) << "[a][b]";
        QTest::newRow("trailing comma") << items(ParseCommaText("a,")) << "[a][]";
        QTest::newRow("empty between") << items(ParseCommaText("a,,b")) << "[a][][b]";
        QTest::newRow("doubled quote") << items(ParseCommaText("\"x\"\"y\"")) << "[x\"y]";
        QTest::newRow("quoted empty") << items(ParseCommaText("\"\"")) << "[]";
        QTest::newRow("nothing") << items(ParseCommaText("")) << "";
        QTest::newRow("text after quote") << items(ParseCommaText("\"ab\"cd,e")) << "[ab][cd][e]";
        QTest::newRow("unclosed quote") << items(ParseCommaText("\"offen, bleibt")) << "[offen, bleibt]";
        const auto written = [](const QStringList& list) {
            const QString text = ToCommaText(list);
            return text + (ParseCommaText(text) == list ? "" : " (reads back otherwise)");
        };
        QTest::newRow("written currency record") << written({"DM", "1,00000", "14. 09. 2001"}) << "DM,\"1,00000\",\"14. 09. 2001\"";
        QTest::newRow("written quote") << written({"x\"y"}) << "\"x\"\"y\"";
        QTest::newRow("written empty item") << written({"a", ""}) << "a,\"\"";
        QTest::newRow("written euro") << written({"€", "Öl"}) << "€,Öl";
        // A value as text and as number.
        const auto var = [](const Var& v) { return v.toString() + '|' + FloatToStr(v.toFloat()); };
        QTest::newRow("var empty") << var(Var()) << "|0";
        QTest::newRow("var int") << var(Var(7)) << "7|7";
        QTest::newRow("var float") << var(Var(2.5L)) << "2,5|2,5";
        QTest::newRow("var date") << var(Var::date(46362)) << "06.12.2026|46362";
        QTest::newRow("var text") << var(Var("1,5")) << "1,5|1,5";
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void stringList()
    {
        StringList list;
        list.add("Euro", 1);
        list.add("straße", 2);
        list.add("ärger", 3);
        QCOMPARE(list.indexOf("EURO"), 0);
        QCOMPARE(list.indexOf("STRAßE"), 1);
        QCOMPARE(list.indexOf("ÄRGER"), 2);
        QCOMPARE(list.indexOf("Eur"), -1);
        list.sort([](const QString& a, const QString& b) { return a.size() < b.size(); });
        QCOMPARE(list.strings(), (QStringList{"Euro", "ärger", "straße"}));
        QCOMPARE(list.object(1), qintptr(3));
        QCOMPARE(list.text(), QStringLiteral("Euro\r\närger\r\nstraße\r\n"));
        list.setCommaText("DM,\"1,00000\"");
        QCOMPARE(list.commaText(), QStringLiteral("DM,\"1,00000\""));
        QCOMPARE(list.object(0), qintptr(0));
    }

    void varTextThatIsNoNumber()
    {
        try {
            Var("x").toFloat();
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'x' ist kein gültiger Gleitkommawert"));
        }
    }
};

QTEST_MAIN(TestPrompterCommaText)
#include "tst_prompter_commatext.moc"
