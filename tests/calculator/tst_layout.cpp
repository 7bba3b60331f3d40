// Layouts in the frame: windows rebuilt from a file as the user left them, the file written
// back byte for byte, broken and missing files, the save command, the layout named at start
// and the one kept from the last run. In the texts below "|" stands for "-ßß-".
#include "platform/Cp1252.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include <QListWidget>
#include <QMdiArea>
#include <QScrollBar>

using namespace vdl;

namespace {
QByteArray fileBytes(const QString& text)
{
    return Cp1252::encode(QString(text).replace(QLatin1Char('|'), QStringLiteral("-ßß-")));
}
void writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileBytes(text));
}
QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}
QStringList names(const TMDIForm& frame)
{
    QStringList list;
    for (const TRechnerForm* w : frame.windows())
        list << w->windowTitle();
    return list;
}
// What a window shows of its system and link: the key at the place of 7, whether the 2 key
// works, the currency panel, the link box and automatic transfer.
QString shown(const TRechnerForm* w)
{
    const RechnerCore& c = w->core();
    return QStringList{c.key(RechnerCore::B7).caption, c.key(RechnerCore::B2).enabled ? "2" : "-",
                       c.PnlWaehrung.visible ? c.PnlWaehrung.caption : "", w->Kombi->currentText(),
                       c.FSpeicherautomatik ? "auto" : ""}
        .join(QLatin1Char('/'));
}
// A window's caption, the rows of its link box and its link, as they are when it first shows.
QString firstView(const TRechnerForm* w)
{
    return QStringLiteral("%1 %2 %3").arg(w->windowTitle()).arg(w->Kombi->count()).arg(w->Kombi->currentText());
}
struct FirstViews : QObject {
    QHash<const QObject*, QString> seen;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (auto* w = qobject_cast<TRechnerForm*>(watched); w && event->type() == QEvent::Show && !seen.contains(w))
            seen.insert(w, firstView(w));
        return false;
    }
};
const QString Head = QStringLiteral("300|200|700|500\r\n");
QString line(const QString& name, const QString& system, const QString& link, const QString& rest = "0|0|0|-1|0")
{
    return name + "|10|20|" + system + "|-1|Rechner|" + (link.startsWith('(') ? "0|" : "1|") + link + "|" + rest + "\r\n";
}
} // namespace

class TestLayout : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    // Every window comes back as it was saved, and saving again gives the same bytes. A link
    // is restored as the user makes one (memory keys on, the calculator gone from its
    // memory's list) unless it would close a circle; a currency that is gone gives the first;
    // a broken line is reported, and what came before it stands.
    void load_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shownPerWindow");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("sameBytes");
        QTest::newRow("linked memory with transfer")
            << Head + line("Rechner1", "10", "Speicher2") + "Speicher2|347|0|10|-1|Speicher|0|(kein Speicher)|0|0|0|-1|0\r\n"
            << QStringList{"7/2//Speicher2/auto", "7/2//(kein Speicher)/"} << "" << true;
        QTest::newRow("roman, binary, hex")
            << Head + line("Rom", "-1", "(kein Speicher)", "1|0|1|-1|0") + line("Bin", "2", "(kein Speicher)", "0|-1|0|-1|1")
                   + line("Hex", "16", "(kein Speicher)")
            << QStringList{"M/-//(kein Speicher)/", "7/-//(kein Speicher)/", "7/2//(kein Speicher)/"} << "" << true;
        QTest::newRow("second currency, a code the list lacks")
            << Head + line("Kasse", "-4", "(kein Speicher)", "0|0|0|1|0") + line("Vierzig", "40", "(kein Speicher)")
            << QStringList{"7/2/€  (1,95583)/(kein Speicher)/", "7/2//(kein Speicher)/"} << "" << true;
        QTest::newRow("a window beyond the area")
            << Head + "Weit|900|20|10|-1|Rechner|0|(kein Speicher)|0|0|0|-1|0\r\n"
            << QStringList{"7/2//(kein Speicher)/"} << "" << true;
        QTest::newRow("circle") << Head + line("A", "10", "B") + line("B", "10", "C") + line("C", "10", "A")
                                << QStringList{"7/2//B/auto", "7/2//C/auto", "7/2//(kein Speicher)/"} << "" << false;
        // Two windows of one name, as older files may hold: both load; a link goes to the last.
        QTest::newRow("two names alike") << Head + line("Kasse", "10", "(kein Speicher)") + line("Kasse", "16", "(kein Speicher)")
                                                + line("C", "10", "Kasse")
                                         << QStringList{"7/2//(kein Speicher)/", "7/2//(kein Speicher)/", "7/2//Kasse/auto"}
                                         << "" << true;
        QTest::newRow("currency gone") << Head + line("K", "-4", "(kein Speicher)", "0|0|0|7|0") + line("L", "16", "K")
                                       << QStringList{"7/2/DM  (1,00000)/(kein Speicher)/", "7/2//K/auto"} << "" << false;
        QTest::newRow("second line broken")
            << Head + line("A", "10", "B") + "B|40|50|Hex|2|Rechner|\r\n" + line("C", "2", "A")
            << QStringList{"7/2//B/auto", "7/2//(kein Speicher)/"}
            << "Warnung 48: Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: 22\r\n'Hex' ist kein gültiger Integerwert"
            << false;
        QTest::newRow("third line cut in its system, no window")
            << Head + line("A", "10", "B") + line("B", "2", "(kein Speicher)") + "C|40|50|1"
            << QStringList{"7/2//B/auto", "7/-//(kein Speicher)/"}
            << "Warnung 48: Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: 22\r\nZeile 4 endet vorzeitig" << false;
    }
    void load()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, shownPerWindow);
        QFETCH(QString, message);
        QFETCH(bool, sameBytes);
        writeFile(ExeDir() + "Layout.zqe", text);
        auto frame = test::openFrame();
        ScriptedPrompter prompter;
        FirstViews firstViews;
        qApp->installEventFilter(&firstViews);
        frame->LoadSettings(ExeDir() + "Layout");
        qApp->removeEventFilter(&firstViews);
        QStringList seen;
        for (const TRechnerForm* w : frame->windows()) {
            seen << shown(w);
            // No window shows before its caption and link box are filled.
            QCOMPARE(firstViews.seen.value(w), firstView(w));
            QVERIFY(w->isVisible() && w->isEnabled()); // every window shows and takes input
            QCOMPARE(w->core().key(RechnerCore::BMPlus).enabled, w->Kombi->currentIndex() > 0);
            if (TRechnerForm* memory = w->memoryWindow())
                QCOMPARE(memory->Kombi->findText(w->windowTitle()), -1);
        }
        QCOMPARE(seen, shownPerWindow);
        QVERIFY(frame->activeWindow());
        // The area scrolls to every window, also to one beyond its right edge.
        const QWidget* viewport = frame->mdiArea->viewport();
        const QScrollBar* across = frame->mdiArea->horizontalScrollBar();
        QCOMPARE(across->isVisible() && across->maximum() > 0, viewport->childrenRect().right() >= viewport->width());
        QStringList boxes;
        for (const ScriptedPrompter::Call& c : prompter.calls)
            boxes << QStringLiteral("%1 %2: %3").arg(c.caption).arg(c.flags).arg(c.text);
        QCOMPARE(boxes, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(frame->SaveSettings(ExeDir() + "Again.zqe"));
        QCOMPARE(readFile(ExeDir() + "Again.zqe") == fileBytes(text), sameBytes);
    }

    void saveCommand_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("before");  // the file's bytes before, empty when missing
        QTest::addColumn<int>("answer");      // to the overwrite question
        QTest::addColumn<QString>("rename");  // the window's name before saving
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("written");
        const QString asked = "Warnung: Die Datei existiert bereits!\r\nSoll sie überschrieben werden?";
        QTest::newRow("exists, no") << "Alt.zqe" << "alt" << int(mb::IdNo) << "" << QStringList{asked} << false;
        QTest::newRow("exists, yes, suffix added") << "Alt" << "alt" << int(mb::IdYes) << "" << QStringList{asked} << true;
        QTest::newRow("folder missing") << "fehlt/X" << "" << 0 << ""
                                        << QStringList{"Fehler: Die Datei kann nicht gespeichert werden!\r\n%1fehlt/X.zqe"}
                                        << false;
        QTest::newRow("name the file cannot hold") << "Alt.zqe" << "alt" << int(mb::IdYes) << "A-ßß"
                                                   << QStringList{asked, "Fehler: Die Datei kann nicht gespeichert werden!\r\n%1Alt.zqe"}
                                                   << false;
    }
    // "Einstellungen &speichern": the overwrite question, and a failed save said and harmless.
    void saveCommand()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, before);
        QFETCH(int, answer);
        QFETCH(QString, rename);
        QFETCH(QStringList, boxes);
        QFETCH(bool, written);
        const QString path = ExeDir() + chosen + (chosen.endsWith(".zqe") ? "" : ".zqe");
        if (!before.isEmpty())
            writeFile(path, before);
        auto frame = test::openFrame();
        TRechnerForm* window = frame->windows()[0];
        if (!rename.isEmpty())
            frame->windowModel().rename(window->FNummer, rename);
        ScriptedPrompter prompter;
        prompter.fileAnswers << ExeDir() + chosen;
        if (answer)
            prompter.answers << answer;
        window->MEinstellungenSpeichern->trigger();
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Einstellungen speichern"));
        QStringList seen;
        for (const ScriptedPrompter::Call& c : prompter.calls.mid(1))
            seen << c.caption + ": " + c.text;
        for (QString& box : boxes)
            box = box.arg(ExeDir());
        QCOMPARE(seen, boxes);
        const QByteArray bytes = readFile(path);
        QCOMPARE(bytes.contains("Rechner1-\xDF\xDF-"), written);
        if (!written && !before.isEmpty())
            QCOMPARE(bytes, fileBytes(before));
    }

    void start_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QStringList>("windows");
        QTest::newRow("nothing kept") << QStringList() << false << QStringList{"Rechner1"};
        QTest::newRow("kept") << QStringList() << true << QStringList{"Vom letzten Mal"};
        QTest::newRow("/top, kept") << QStringList{"/top"} << true << QStringList{"Vom letzten Mal"};
        QTest::newRow("named without suffix") << QStringList{"Layout"} << true << QStringList{"Aus der Datei"};
        QTest::newRow("named, missing") << QStringList{"Fehlt"} << true << QStringList();
    }
    void start()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, kept);
        QFETCH(QStringList, windows);
        ScriptedPrompter prompter;
        writeFile(ExeDir() + "Layout.zqe", Head + line("Aus der Datei", "10", "(kein Speicher)"));
        if (kept)
            writeFile(TMDIForm::KeptLayout(), Head + line("Vom letzten Mal", "10", "(kein Speicher)"));
        if (!arguments.isEmpty() && arguments[0] != "/top")
            arguments[0] = ExeDir() + arguments[0];
        TMDIForm frame(arguments);
        frame.show();
        QCOMPARE(names(frame), windows);
        // A named layout that is not there leaves the frame empty and says which file it was.
        QCOMPARE(prompter.messages(), windows.isEmpty() ? QStringList{"Die Datei kann nicht gelesen werden!\r\n"
                                                                      + QDir::toNativeSeparators(ExeDir() + "Fehlt.zqe")}
                                                        : QStringList());
    }

    // A layout that is not there, or cannot be read, replaces nothing: the windows stay with
    // their tapes and the user is told which file it was. The frame's command offers the
    // program's own name, which normally names no layout.
    void loadUnreadable_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shownName");
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QTest::newRow("missing") << "Fehlt" << "Fehlt.zqe";
        QTest::newRow("a folder") << "Ordner.zqe" << "Ordner.zqe";
        QTest::newRow("program's name, as offered") << program << program + ".zqe";
    }
    void loadUnreadable()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, shownName);
        QVERIFY(QDir().mkpath(ExeDir() + "Ordner.zqe"));
        auto frame = test::openFrame();
        frame->MNeuenSpeicherClick();
        frame->windows()[0]->core().InputProcessing("12+", false);
        ScriptedPrompter prompter;
        prompter.fileAnswers << ExeDir() + chosen;
        frame->MEinstellungenLadenClick(); // the frame's "Einstellungen &laden"
        QCOMPARE(names(*frame), (QStringList{"Rechner1", "Speicher2"}));
        QCOMPARE(frame->windows()[0]->History->count(), 1);
        QCOMPARE(prompter.calls.size(), 2);
        QCOMPARE(prompter.calls[1].caption, QStringLiteral("Fehler"));
        QCOMPARE(prompter.calls[1].text,
                 "Die Datei kann nicht gelesen werden!\r\n" + QDir::toNativeSeparators(ExeDir() + shownName));
    }

    // A file that fails before its first window line is no layout: every window stays with
    // its tape, and so does the frame. A window line that ends early is reported with the
    // step of the field it ends in, and no option of its window is switched on.
    void loadBroken_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("windows");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("options"); // of the first window: items counted, red, main systems
        const QStringList kept{"Rechner1", "Speicher2"};
        const QString bad = "Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: ";
        QTest::newRow("empty file") << "" << kept << bad + "6\r\nEinstellungen fehlerhaft" << "000";
        QTest::newRow("plain text") << "Einkauf: Brot, Käse\r\nMilch\r\n" << kept << bad + "6\r\nEinstellungen fehlerhaft"
                                    << "000";
        QTest::newRow("broken header") << "300|200|breit|500\r\n" + line("A", "10", "(kein Speicher)") << kept
                                       << bad + "9\r\n'breit' ist kein gültiger Integerwert" << "000";
        QTest::newRow("header cut") << "300|200|700" << kept << bad + "10\r\nListenindex überschreitet das Maximum (3)"
                                    << "000";
        QTest::newRow("cut in the link name") << Head + "A|10|20|10|-1|Rechner|1|Spei" << QStringList{"A"}
                                              << bad + "26\r\nZeile 2 endet vorzeitig" << "000";
        QTest::newRow("cut in the type, no window") << Head + "A|10|20|10|-1|Rech" << kept
                                                    << bad + "15\r\nZeile 2 endet vorzeitig" << "000";
        QTest::newRow("cut after red") << Head + "A|10|20|10|-1|Rechner|0|(kein Speicher)|1|0|1|" << QStringList{"A"}
                                       << bad + "31\r\nZeile 2 endet vorzeitig" << "110";
    }
    void loadBroken()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, windows);
        QFETCH(QString, message);
        QFETCH(QString, options);
        writeFile(ExeDir() + "Kaputt.zqe", text);
        auto frame = test::openFrame();
        frame->MNeuenSpeicherClick();
        frame->windows()[0]->core().InputProcessing("12+", false);
        const QRect bounds = frame->outerBounds();
        ScriptedPrompter prompter;
        frame->LoadSettings(ExeDir() + "Kaputt");
        QCOMPARE(names(*frame), windows);
        QCOMPARE(prompter.messages(), QStringList{message});
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Warnung"));
        const RechnerCore& core = frame->windows()[0]->core();
        QCOMPARE(QString::number(core.mPostenZaehlen) + QString::number(core.mMinuswerteRot)
                     + QString::number(core.mNurHauptSysteme),
                 options);
        if (windows.size() > 1) {
            QCOMPARE(frame->windows()[0]->History->count(), 1);
            QCOMPARE(frame->outerBounds(), bounds);
        }
    }

    // At start, a kept or named file that is no layout leaves the frame empty and says so.
    void startBroken()
    {
        for (const bool named : {false, true}) {
            writeFile(named ? ExeDir() + "Kaputt.zqe" : TMDIForm::KeptLayout(), "Notizen");
            ScriptedPrompter prompter;
            TMDIForm frame(named ? QStringList{ExeDir() + "Kaputt"} : QStringList());
            frame.show();
            QCOMPARE(names(frame), QStringList());
            QCOMPARE(prompter.messages(),
                     QStringList{"Die Einstellungsdatei ist fehlerhaft!\r\nFehlerCode: 6\r\nEinstellungen fehlerhaft"});
        }
    }

    // With "Einstellungen &beibehalten" ticked the frame keeps its layout when it closes, and
    // closes all the same when the file cannot be written.
    void keptAtClose()
    {
        for (const bool writable : {true, false}) {
            if (!writable)
                QVERIFY(QFile::remove(TMDIForm::KeptLayout()) && QDir().mkdir(TMDIForm::KeptLayout()));
            auto frame = test::openFrame();
            frame->windowModel().rename(frame->windows()[0]->FNummer, "Kasse");
            if (!frame->mnubeibehalten->isChecked())
                frame->mnubeibehalten->trigger();
            ScriptedPrompter prompter;
            QVERIFY(frame->close());
            QCOMPARE(readFile(TMDIForm::KeptLayout()).contains("Kasse-\xDF\xDF-"), writable);
            QCOMPARE(prompter.messages().size(), writable ? 0 : 1);
        }
    }

    // "Einstellungen &laden" of a window replaces every window, itself too.
    void loadCommand()
    {
        writeFile(ExeDir() + "L.zqe", Head + line("Geladen", "10", "(kein Speicher)"));
        auto frame = test::openFrame();
        ScriptedPrompter prompter;
        prompter.fileAnswers << ExeDir() + "L";
        frame->windows()[0]->MEinstellungenLaden->trigger();
        QCOMPARE(names(*frame), QStringList{"Geladen"});
        QCOMPARE(prompter.calls[0].extra, QStringLiteral("Rechner-Layouts (*.zqe)"));
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
