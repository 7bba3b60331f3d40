// The tape as the user meets it: history files byte for byte with the dialog, the overwrite
// question and failed writes; the clipboard; marked lines; counting; numbers taken back by
// double-click and by dragging a line onto another window's entry; clearing down a chain.
#include "calculator/HistoryText.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "calculator/TapeDelegate.h"
#include "platform/ExeDir.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/FileLimit.h"
#include "toolkit/SettingsStore.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDrag>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;
using namespace vdl::test;

namespace {

QByteArray readFile(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(keine Datei)");
}

QByteArray blanks(int n)
{
    return QByteArray(n, ' ');
}

QString shownTape(const TRechnerForm& form)
{
    QStringList lines;
    for (int i = 0; i < form.History->count(); ++i)
        lines << form.History->item(i)->text();
    return lines.join(QLatin1String(" | "));
}

QList<int> rowsOf(const QString& text)
{
    QList<int> rows;
    for (const QString& r : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        rows << r.toInt();
    return rows;
}

// Ctrl+clicks the rows, as a user marks several lines.
void mark(TRechnerForm& form, const QList<int>& rows)
{
    for (int row : rows)
        QTest::mouseClick(form.History->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          form.History->visualItemRect(form.History->item(row)).center());
}

} // namespace

class TestTape : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TRechnerForm> form;

private slots:
    void initTestCase()
    {
        pinGerman();
        SettingsStore::setDir(m_dir.path());
        setExeDir(m_dir.path());
    }
    void init()
    {
        form = std::make_unique<TRechnerForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void fileLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("count and number") << "12#1234,5678+" << blanks(16) + "12#1234,5678 +\r\n";
        QTest::newRow("divided") << "3" + QString(QChar(op::Div)) << blanks(27) + "3 \xF7\r\n";
        QTest::newRow("euro") << "100 €*" << blanks(23) + "100 \x80 *\r\n";
        QTest::newRow("no code-page byte") << "100 ₽*" << blanks(23) + "100 ? *\r\n";
        QTest::newRow("29 lose the first") << "12345678901234567890123456789+"
                                           << QByteArray("2345678901234567890123456789 +\r\n");
    }
    void fileLine()
    {
        QFETCH(QString, line);
        QTEST(historyFileBytes({{line, 0}}), "bytes");
    }

    void savedTape()
    {
        ScriptedPrompter prompter;
        form->MHistorieSpeichern->trigger();
        QVERIFY(prompter.calls.isEmpty()); // an empty tape is not saved
        prompter.fileAnswers << m_dir.filePath(QStringLiteral("rechnung"));
        form->mPostenZaehlen->trigger();
        press(form->core(), QStringLiteral("5 + 3 = 1,5 × 4 √ CA"));
        popupItem(form->PAutoMemo(), QStringLiteral("Historie/Speichern"))->trigger();
        QCOMPARE(readFile(m_dir.filePath(QStringLiteral("rechnung.zqh"))),
                 blanks(25) + "1#5 +\r\n" + blanks(25) + "2#3 =\r\n" + blanks(27) + "8 *\r\n" + blanks(23)
                     + "1#1,5 \xD7\r\n" + blanks(25) + "2#4 \xD6\r\n" + blanks(11) + "Ergebnis gel\xF6scht !\r\n");
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Historie speichern"));
        QCOMPARE(prompter.calls[0].text, ExeDir());
        QCOMPARE(prompter.calls[0].extra, QStringLiteral("Historien-Dateien (*.zqh);;Alle Dateien (*)"));
    }

    void saveAnswers_data()
    {
        QTest::addColumn<QString>("typed"); // into the dialog; "" cancels it
        QTest::addColumn<int>("answer");    // to the overwrite question
        QTest::addColumn<QString>("target"); // the file looked at afterwards
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("boxes"); // every message shown, "~" the folder
        const QByteArray tape = blanks(27) + "7 +\r\n";
        const QString asked = QStringLiteral("Warnung: Die Datei existiert bereits!\r\nSoll sie überschrieben werden?");
        const QString failed = QStringLiteral("Fehler: Die Historie kann nicht in \"~/%1\" gespeichert werden!");
        QTest::newRow("suffix added") << "neu" << 0 << "neu.zqh" << tape << "";
        QTest::newRow("Yes overwrites") << "alt.zqh" << int(mb::IdYes) << "alt.zqh" << tape << asked;
        QTest::newRow("No keeps the file") << "alt" << int(mb::IdNo) << "alt.zqh" << QByteArray("alt") << asked;
        QTest::newRow("Cancel keeps it") << "alt.zqh" << int(mb::IdCancel) << "alt.zqh" << QByteArray("alt") << asked;
        QTest::newRow("dialog cancelled") << "" << 0 << "neu.zqh" << QByteArray("(keine Datei)") << "";
        // Failed writes, as root too: a folder that is a file, and a "file" that is a folder.
        QTest::newRow("folder is a file") << "alt.zqh/neu.zqh" << 0 << "alt.zqh" << QByteArray("alt")
                                          << failed.arg(QLatin1String("alt.zqh/neu.zqh"));
        QTest::newRow("target is a folder") << "ordner.zqh" << int(mb::IdYes) << "alt.zqh" << QByteArray("alt")
                                            << asked + QStringLiteral(" | ") + failed.arg(QLatin1String("ordner.zqh"));
    }
    void saveAnswers()
    {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QString, target);
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("alt.zqh")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3 && old.flush());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ordner.zqh")));
        ScriptedPrompter prompter;
        if (!typed.isEmpty())
            prompter.fileAnswers << dir.filePath(typed);
        prompter.answers << answer;
        press(form->core(), QStringLiteral("7 +"));
        form->MHistorieSpeichern->trigger();
        QTEST(readFile(dir.filePath(target)), "content");
        QStringList boxes;
        for (const ScriptedPrompter::Call& call : prompter.calls)
            if (call.kind == QLatin1String("message"))
                boxes << call.caption + QStringLiteral(": ") + call.text;
        QTEST(boxes.join(QLatin1String(" | ")).replace(dir.path(), QLatin1String("~")), "boxes");
        if (answer)
            QCOMPARE(prompter.calls[1].flags, mb::YesNoCancel | mb::IconQuestion | mb::DefButton2);
        QCOMPARE(QDir(dir.path()).count(), uint(typed == QLatin1String("neu") ? 5 : 4)); // no leftovers
    }

    // The disk fills up while a long tape is saved over an older history file.
    void fullDiskKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("alt.zqh"));
        const QByteArray old = QByteArray(blanks(27) + "5 +\r\n").repeated(400); // 12,800 bytes
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size() && f.flush());
        const QStringList boxes = runWithFileLimit(QStringLiteral("childSavesLongTape"), 4096,
                                                   {QStringLiteral("VDL_TEST_FILE"), name});
        QCOMPARE(boxes, QStringList({QStringLiteral("Warnung: Die Datei existiert bereits!\r\nSoll sie überschrieben werden?"),
                                     QStringLiteral("Fehler: Die Historie kann nicht in \"%1\" gespeichert werden!").arg(name)}));
        QCOMPARE(readFile(name), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"alt.zqh"});
    }

    // Runs only in the child of fullDiskKeepsTheOldFile: 403 lines, answered "Yes" to overwriting.
    void childSavesLongTape()
    {
        if (!inLimitedChild())
            QSKIP("runs only as a child");
        press(form->core(), QStringLiteral("7 +").repeated(403));
        QCOMPARE(form->core().History.size(), 403);
        ScriptedPrompter prompter;
        prompter.fileAnswers << qEnvironmentVariable("VDL_TEST_FILE");
        prompter.answers << int(mb::IdYes);
        form->MHistorieSpeichern->trigger();
        for (const ScriptedPrompter::Call& call : prompter.calls)
            if (call.kind == QLatin1String("message"))
                report(call.caption + QStringLiteral(": ") + call.text);
    }

    void clipboard_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        const QString root = QStringLiteral("                           2 √\r\n");
        const QString result = QStringLiteral("                           3 *\r\n");
        const QString all = root + QStringLiteral("                           9 =\r\n") + result;
        QTest::newRow("whole tape") << "2 √ 9 =" << "1" << "Historie/In Zwischenablage" << all;
        QTest::newRow("marked in tape order") << "2 √ 9 =" << "2,0" << "Markierung/In Zwischenablage" << root + result;
        QTest::newRow("nothing marked") << "2 √ 9 =" << "" << "Markierung/In Zwischenablage" << "";
        QTest::newRow("empty tape") << "" << "" << "Historie/In Zwischenablage" << "vorher";
        QTest::newRow("long line") << "123456 ; 234567 ; 345678 [BggT]" << "" << "Historie/In Zwischenablage"
                                   << "gT(123456;234567;345678) = 3  \r\n";
    }
    void clipboard()
    {
        QFETCH(QString, keys);
        QFETCH(QString, marked);
        QFETCH(QString, command);
        QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
        press(form->core(), keys);
        mark(*form, rowsOf(marked));
        // The right button that opens the pop-up leaves the marking as it is.
        QTest::mouseClick(form->History->viewport(), Qt::RightButton, {}, QPoint(20, 5));
        popupItem(form->PAutoMemo(), command)->trigger();
        QTEST(QGuiApplication::clipboard()->text(), "text");
    }

    void markedLinesAndCounting()
    {
        press(form->core(), QStringLiteral("1 + 2 +"));
        popupItem(form->PAutoMemo(), QStringLiteral("Einstellungen/Posten zählen"))->trigger();
        press(form->core(), QStringLiteral("3 + 4 +"));
        QCOMPARE(shownTape(*form), QStringLiteral("1+ | 2+ | 3#3+ | 4#4+")); // counted all along
        mark(*form, {1, 2});
        popupItem(form->PAutoMemo(), QStringLiteral("Markierung/Löschen"))->trigger();
        press(form->core(), QStringLiteral("5 +"));
        QCOMPARE(shownTape(*form), QStringLiteral("1+ | 4#4+ | 5#5+"));
        QVERIFY(form->History->selectedItems().isEmpty());
    }

    void lineNumber_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("system"); // of the entry receiving it
        QTest::addColumn<QString>("number");
        QTest::newRow("count and sign") << "2#-5+" << 10 << "-5";
        QTest::newRow("percent prefix") << "1#(10 %iH) 5,5+" << 10 << "5,5";
        QTest::newRow("remainder") << "Rest 2*" << 10 << "2";
        QTest::newRow("currency") << "3#100 DM+" << -4 << "100";
        QTest::newRow("what percentage") << "1#200 = 100%" << 10 << "200";
        QTest::newRow("function call") << "ln(2,5)=" << 10 << "2,5";
        QTest::newRow("cleared") << "Ergebnis gelöscht!" << 10 << "";
        QTest::newRow("small exponent") << "1,5E-7+" << 10 << "0,00000015";
        QTest::newRow("hex digits stay") << "1E15+" << 16 << "1E15";
        QTest::newRow("date") << "1#01. 02. 2000+" << -2 << "01.02.2000";
        QTest::newRow("days") << "30 Tage=" << -2 << "30";
        // Lines dropped from elsewhere: a number beyond any value's range is no number.
        QTest::newRow("largest value") << "1,1E4932=" << 10 << "11" + QString(4931, '0');
        QTest::newRow("smallest value") << "-4E-4951+" << 10 << "-0," + QString(4950, '0') + "4";
        QTest::newRow("above the range") << "2E99999+" << 10 << "";
        QTest::newRow("below the range") << "-2E-267720+" << 10 << "";
        QTest::newRow("hex exponent") << "00E$36143031" << 10 << "";
    }
    void lineNumber()
    {
        QFETCH(QString, line);
        QFETCH(int, system);
        QTEST(tapeLineNumber(line, system), "number");
    }

    // After every step the newest line stands whole in the tape, also when the currency
    // panel above it takes part of its height.
    void newestLineShown_data()
    {
        QTest::addColumn<bool>("currency");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("steps");
        QTest::newRow("decimal, 11 lines") << false << "1 +" << 11;
        QTest::newRow("decimal, 12 lines") << false << "1 +" << 12;
        QTest::newRow("decimal, 30 lines") << false << "1 +" << 30;
        QTest::newRow("currency, 10 lines") << true << "1 +" << 10;
        QTest::newRow("currency, 11 lines") << true << "1 +" << 11;
        QTest::newRow("currency, 30 lines") << true << "1 +" << 30;
        // The panel goes for the date calculation and comes back with its result line.
        QTest::newRow("currency, dates") << true << "1.2.2020 + 30 =" << 4;
    }
    void newestLineShown()
    {
        QFETCH(bool, currency);
        QFETCH(QString, keys);
        QFETCH(int, steps);
        MarkHost host;
        form->core().setHost(&host);
        if (currency)
            form->core().ChangeSystem(-4, 0);
        QCOMPARE(form->PnlWaehrung->isVisible(), currency);
        for (int i = 0; i < steps; ++i) {
            press(form->core(), keys);
            QCOMPARE(form->PnlWaehrung->isVisible(), currency);
            QListWidgetItem* newest = form->History->item(form->History->count() - 1);
            QTRY_VERIFY(form->History->viewport()->rect().contains(form->History->visualItemRect(newest)));
        }
        // Scrolled no further than needed: the tape is full from its top line.
        const int shown = form->History->viewport()->height() / TapeDelegate::ItemHeight;
        if (!currency)
            QCOMPARE(shown, 11);
        QCOMPARE(form->History->indexAt(QPoint(5, 2)).row(), qMax(form->History->count() - shown, 0));
        form->core().setHost(nullptr);
    }

    // The operator stands whole inside the line, apart from the body to its left.
    void drawnOperator_data()
    {
        QTest::addColumn<QString>("keys"); // the last line drawn
        QTest::addColumn<QString>("op");
        QTest::newRow("root") << "9 √" << "√";
        QTest::newRow("percent in hundred") << "200 × 5 %iH" << "%iH";
    }
    void drawnOperator()
    {
        QFETCH(QString, keys);
        QFETCH(QString, op);
        press(form->core(), keys);
        QListWidgetItem* line = form->History->item(form->History->count() - 1);
        line->setSelected(true);
        const QImage image = form->History->viewport()->grab(form->History->visualItemRect(line)).toImage();
        // Columns with ink, as runs from the right: the operator, then the body.
        QList<QPair<int, int>> runs;
        for (int x = image.width() - 1; x >= 0; --x) {
            bool ink = false;
            for (int y = 0; y < image.height(); ++y)
                ink = ink || image.pixel(x, y) != image.pixel(0, 0);
            if (ink && (runs.isEmpty() || runs.last().first > x + 1))
                runs.append({x, x});
            else if (ink)
                runs.last().first = x;
        }
        QVERIFY(runs.size() >= 2);
        QVERIFY(runs[0].second <= image.width() - 3);
        QVERIFY(runs[0].second - runs[0].first + 4 >= QFontMetrics(form->font()).horizontalAdvance(op));
    }

    void doubleClick()
    {
        ScriptedPrompter prompter;
        QTest::mouseDClick(form->History->viewport(), Qt::LeftButton, {}, QPoint(20, 5)); // empty tape
        form->mPostenZaehlen->trigger();
        press(form->core(), QStringLiteral("7 +"));
        form->core().AddHistory(QStringLiteral("-5"), QStringLiteral("+"), 0);
        QCOMPARE(shownTape(*form), QStringLiteral("1#7+ | 2#-5+"));
        const QRect line = form->History->visualItemRect(form->History->item(1));
        QTest::mouseClick(form->History->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(form->History->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(form->EAnzeige->text(), QStringLiteral("2")); // 7 - 5: the sign counts at once
        QVERIFY(prompter.calls.isEmpty());
    }

    void dragOntoAnotherEntry_data()
    {
        QTest::addColumn<bool>("fromTape");
        QTest::addColumn<QString>("entry");
        QTest::newRow("a tape line") << true << "250";
        QTest::newRow("another list's item") << false << "";
    }
    void dragOntoAnotherEntry()
    {
        QFETCH(bool, fromTape);
        TMDIForm frame;
        frame.show();
        TRechnerForm* source = frame.windows().first();
        TRechnerForm* target = frame.NewWindow(QStringLiteral("Rechner"), QString());
        source->core().AddHistory(QStringLiteral("(5 %) 250 DM"), QStringLiteral("+"), 0);
        const QPoint start = source->History->visualItemRect(source->History->item(0)).center();
        QTest::mousePress(source->History->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(source->History->viewport(), start + QPoint(2, 2));
        QVERIFY(!source->History->findChild<QDrag*>()); // 4 pixels are no drag yet
        QTest::mouseMove(source->History->viewport(), start + QPoint(3, 2));
        QTest::mouseRelease(source->History->viewport(), Qt::LeftButton, {}, start);
        QDrag* drag = source->History->findChild<QDrag*>();
        QVERIFY(drag);
        QListWidget other;
        other.addItem(QStringLiteral("99+"));
        std::unique_ptr<QMimeData> otherData(other.model()->mimeData({other.model()->index(0, 0)}));

        // The mouse lets go over the other window's entry.
        const QMimeData* data = fromTape ? drag->mimeData() : otherData.get();
        const QPoint over = target->Eingabe->rect().center();
        QDragEnterEvent enter(over, Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target->Eingabe, &enter);
        QDropEvent drop(over, Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(target->Eingabe, &drop);
        QTEST(target->Eingabe->text(), "entry");
        QCOMPARE(source->Eingabe->text(), QString());
        QCOMPARE(shownTape(*source), QStringLiteral("(5 %) 250 DM+")); // copied, never moved
    }

    // A line dragged from the tape is taken wherever it is let go over the entry panel: the
    // panel itself, the operator or the entry. Each accepts the drag as a copy.
    void dropOnEntryPanel_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("entry") << "Eingabe";
        QTest::newRow("operator") << "EingabeOp";
        QTest::newRow("panel") << "Panel3";
    }
    void dropOnEntryPanel()
    {
        QFETCH(QString, target);
        TMDIForm frame;
        frame.show();
        TRechnerForm* window = frame.windows().first();
        window->core().AddHistory(QStringLiteral("1#12,5"), QStringLiteral("+"), 0);
        const QPoint start = window->History->visualItemRect(window->History->item(0)).center();
        QTest::mousePress(window->History->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(window->History->viewport(), start + QPoint(0, 5));
        QTest::mouseRelease(window->History->viewport(), Qt::LeftButton, {}, start);
        QDrag* drag = window->History->findChild<QDrag*>();
        QVERIFY(drag);

        QWidget* over = window->findChild<QWidget*>(target);
        QVERIFY(over->acceptDrops());
        const QPoint at = over->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
        QApplication::sendEvent(over, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, drag->mimeData(), Qt::LeftButton, {});
        QApplication::sendEvent(over, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(window->Eingabe->text(), QStringLiteral("12,5"));
        QCOMPARE(shownTape(*window), QStringLiteral("1#12,5+"));
    }

    void clearingFollowsTheChain_data()
    {
        // Only the cleared window's own switch counts, not those of the windows passed.
        QTest::addColumn<QString>("autoOn");
        QTest::addColumn<QString>("cleared");
        QTest::newRow("transfer on") << "0" << "0,1,2";
        QTest::newRow("transfer off") << "1,2" << "0";
    }
    void clearingFollowsTheChain()
    {
        QFETCH(QString, autoOn);
        QFETCH(QString, cleared);
        TMDIForm frame;
        frame.show();
        frame.MNeuenSpeicherClick();
        frame.MNeuenSpeicherClick();
        const QList<TRechnerForm*> w = frame.windows();
        for (TRechnerForm* window : w)
            press(window->core(), QStringLiteral("5 + 3 = 20 +"));
        for (int i = 0; i < 3; ++i) { // linked in a cycle, which must end the walk
            frame.windowModel().link(w[i]->FNummer, w[(i + 1) % 3]->FNummer);
            frame.windowModel().setAutoTransfer(w[i]->FNummer, rowsOf(autoOn).contains(i));
        }
        w[0]->keys[RechnerCore::BHist]->click();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(shownTape(*w[i]), rowsOf(cleared).contains(i) ? QStringLiteral("20+")
                                                                   : QStringLiteral("5+ | 3= | 8* | 20+"));
    }
};

QTEST_MAIN(TestTape)
#include "tst_tape.moc"
