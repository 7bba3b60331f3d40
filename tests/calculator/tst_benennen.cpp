// Renaming and closing windows through the dialog of "&Benennen", "&Löschen" and
// "&Umbenennen", as the user sees it in captions, link boxes, the window list and the print job.
#include "calculator/Benennen.h"
#include "calculator/HistoryDruck.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlInput.h"
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

using namespace vdl;

namespace {

const QString Abort = QStringLiteral("<Abbrechen>"); // a try in the input box: "&Abbrechen"

// Every window as "caption: link box items", the chosen item marked "*", then the window list
// at the end of "&Fenster".
QStringList windowsShown(TMDIForm& frame)
{
    QStringList lines;
    for (TRechnerForm* w : frame.windows()) {
        QStringList items;
        for (int i = 0; i < w->Kombi->count(); ++i)
            items << w->Kombi->itemText(i) + (i == w->Kombi->currentIndex() ? QStringLiteral("*") : QString());
        lines << frame.subWindowOf(w)->windowTitle() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    emit frame.HMFenster->aboutToShow();
    for (const QAction* a : frame.HMFenster->actions().mid(15))
        lines << a->text();
    return lines;
}

// Rechner1, Speicher2 with Rechner1 chosen in its link box, Rechner3: as it shows with
// Rechner1 named name, or without Rechner1.
QStringList shown(const QString& name)
{
    if (name.isNull())
        return {"Speicher2: (kein Speicher)*, Rechner3", "Rechner3: (kein Speicher)*, Speicher2", "&1 Speicher2",
                "&2 Rechner3"};
    return {name + ": (kein Speicher)*, Rechner3", "Speicher2: (kein Speicher), " + name + "*, Rechner3",
            "Rechner3: (kein Speicher)*, " + name + ", Speicher2", "&1 " + name, "&2 Speicher2", "&3 Rechner3"};
}

} // namespace

class TestBenennen : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<TMDIForm> m_frame;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
        m_frame = test::openFrame();
        m_frame->MNeuenSpeicherClick();
        m_frame->MNeuenRechnerClick();
        test::choose(m_frame->windows()[1], 1);
    }
    void cleanup() { m_frame.reset(); }

    // Every command opens the dialog in the middle of the screen with the windows listed; only
    // "&Löschen" greys "&Umbenennen".
    void openers_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("renaming");
        QTest::newRow("frame: Benennen") << "MBenennen" << true;
        QTest::newRow("frame: Löschen") << "HMLoeschen" << false;
        QTest::newRow("window: Umbenennen") << "MUmbenennen" << true;
        QTest::newRow("tape pop-up: Umbenennen") << "PAutoMemo" << true;
    }
    void openers()
    {
        QFETCH(QString, opener);
        QFETCH(bool, renaming);
        ScriptedPrompter prompter;
        QStringList seen;
        QPoint offCentre;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TBenennenForm&>(dialog);
            for (int i = 0; i < form.Liste->count(); ++i)
                seen << form.Liste->item(i)->text();
            seen << QString::number(form.Umbenennen->isEnabled()) + form.Schliessen->text();
            offCentre = form.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
            return int(QDialog::Accepted);
        };
        TRechnerForm* window = m_frame->windows()[2];
        if (opener == QLatin1String("PAutoMemo"))
            test::popupItem(window->PAutoMemo(), QStringLiteral("&Umbenennen"))->trigger();
        else if (opener == QLatin1String("MUmbenennen"))
            window->MUmbenennen->trigger();
        else
            (renaming ? m_frame->MBenennen : m_frame->HMLoeschen)->trigger();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Rechner/Speicher benennen"));
        QCOMPARE(seen, QStringList({"Rechner1", "Speicher2", "Rechner3",
                                    QString::number(renaming) + QStringLiteral("Schli&eßen")}));
        QVERIFY2(offCentre.manhattanLength() <= 2, "the dialog opens in the middle of the screen");
    }

    void script_data()
    {
        QTest::addColumn<bool>("renaming"); // false: the delete dialog
        QTest::addColumn<int>("row");       // selected item, -1 none
        QTest::addColumn<QString>("action"); // a button, "Doppelklick", "Escape" or "Enter"
        QTest::addColumn<QString>("answer"); // typed into the input box, tries split by "|"; null cancels it
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("message");
        const QString cancel, none;
        const QString refused = QStringLiteral("Dieser Name kann nicht gespeichert werden!|Warnung|16");
        const QStringList same = shown(QStringLiteral("Rechner1"));
        QTest::newRow("Kasse") << true << 0 << "Umbenennen" << "Kasse" << shown("Kasse") << none;
        QTest::newRow("double-click") << true << -1 << "Doppelklick" << "Kasse" << shown("Kasse") << none;
        QTest::newRow("cancelled") << true << 0 << "Umbenennen" << cancel << same << none;
        QTest::newRow("nothing selected") << true << -1 << "Umbenennen" << "Kasse" << same << none;
        const QString empty = QStringLiteral("Der Name darf nicht leer sein!|Warnung|16");
        const QString taken = QStringLiteral("Dieser Name ist bereits vergeben!|Warnung|16");
        QTest::newRow("empty name") << true << 0 << "Umbenennen" << "" << same << empty;
        QTest::newRow("blanks only") << true << 0 << "Umbenennen" << "   " << same << empty;
        QTest::newRow("blank before a taken name") << true << 0 << "Umbenennen" << " Speicher2" << same << taken;
        QTest::newRow("blank after a taken name") << true << 0 << "Umbenennen" << "Speicher2 " << same << taken;
        QTest::newRow("tab before a taken name") << true << 0 << "Umbenennen" << "\tRechner3" << same << taken;
        QTest::newRow("blanks around a new name") << true << 0 << "Umbenennen" << " \tKasse  " << shown("Kasse") << none;
        QTest::newRow("its own name with a blank") << true << 0 << "Umbenennen" << "Rechner1 " << same << none;
        QTest::newRow("tabs only") << true << 0 << "Umbenennen" << "\t \t" << same << empty;
        QTest::newRow("another window's name") << true << 0 << "Umbenennen" << "Speicher2" << same << taken;
        QTest::newRow("taken, then corrected") << true << 0 << "Umbenennen" << "Rechner3|Kasse" << shown("Kasse")
                                               << taken;
        QTest::newRow("empty, then cancelled") << true << 0 << "Umbenennen" << "|" + Abort << same << empty;
        QTest::newRow("its own name") << true << 0 << "Umbenennen" << "Rechner1" << same << none;
        QTest::newRow("another case is another name") << true << 0 << "Umbenennen" << "rechner3" << shown("rechner3")
                                                      << none;
        QTest::newRow("euro and umlauts") << true << 0 << "Umbenennen" << "Kasse € Süß" << shown("Kasse € Süß") << none;
        QTest::newRow("ß at the end") << true << 0 << "Umbenennen" << "Kasse-ß" << shown("Kasse-ß") << none;
        QTest::newRow("separator inside") << true << 0 << "Umbenennen" << "Kasse-ßß-1" << same << refused;
        QTest::newRow("separator begun at the end") << true << 0 << "Umbenennen" << "Kasse-ßß" << same << refused;
        QTest::newRow("the no-link text") << true << 0 << "Umbenennen" << "(Kein Speicher)" << same << refused;
        QTest::newRow("outside the code page") << true << 0 << "Umbenennen" << "Kasse ✓" << same << refused;
        QTest::newRow("double-click in the delete dialog") << false << -1 << "Doppelklick" << "Kasse" << same << none;
        // The memory that chose Rechner1 is unlinked and no list offers Rechner1 any more.
        QTest::newRow("delete") << false << 0 << "Loeschen" << cancel << shown(QString()) << none;
        QTest::newRow("delete without selection") << false << -1 << "Loeschen" << cancel << same << none;
        QTest::newRow("escape deletes nothing") << false << 0 << "Escape" << cancel << same << none;
        QTest::newRow("close") << false << 0 << "Schliessen" << cancel << same << none;
        QTest::newRow("enter closes") << true << 0 << "Enter" << cancel << same << none;
    }
    void script()
    {
        QFETCH(bool, renaming);
        QFETCH(int, row);
        QFETCH(QString, action);
        QFETCH(QString, answer);
        ScriptedPrompter prompter;
        QStringList during;
        bool open = false;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TBenennenForm&>(dialog);
            form.Liste->setFocus();
            if (row >= 0)
                form.Liste->setCurrentRow(row);
            if (action == QLatin1String("Doppelklick")) {
                const QPoint at = form.Liste->visualItemRect(form.Liste->item(0)).center();
                QTest::mouseClick(form.Liste->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(form.Liste->viewport(), Qt::LeftButton, {}, at);
            } else if (action == QLatin1String("Escape") || action == QLatin1String("Enter")) {
                QTest::keyClick(form.Liste, action == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
            } else {
                form.findChild<QPushButton*>(action)->click();
            }
            for (int i = 0; i < form.Liste->count(); ++i)
                during << form.Liste->item(i)->text();
            open = form.isVisible();
            return int(QDialog::Accepted);
        };
        QString asked = QStringLiteral("(nicht gefragt)");
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& box = static_cast<TvdlInputBox&>(dialog);
            asked = dialog.windowTitle() + '[' + box.Input->text() + "] ";
            QStringList typed;
            // A refused name leaves the box open, its text selected for the next try.
            const QStringList tries = answer.isNull() ? QStringList{Abort} : answer.split(QLatin1Char('|'));
            for (const QString& attempt : tries) {
                if (!box.isVisible() || (!typed.isEmpty() && box.Input->selectedText() != box.Input->text()))
                    break;
                if (attempt == Abort) {
                    typed << Abort;
                    box.Abbruch->click();
                    break;
                }
                box.Input->setText(attempt);
                typed << box.Input->displayText(); // as typed, not masked
                box.OK->click();
            }
            asked += typed.join(QLatin1Char('|'));
            return int(QDialog::Rejected);
        };
        (renaming ? m_frame->MBenennen : m_frame->HMLoeschen)->trigger();

        const bool renames = renaming && (action == QLatin1String("Doppelklick")
                                          || (action == QLatin1String("Umbenennen") && row >= 0));
        QCOMPARE(asked, renames ? "Neue Bezeichnung:[] " + (answer.isNull() ? Abort : answer)
                                : QStringLiteral("(nicht gefragt)"));
        QFETCH(QStringList, after);
        QStringList listed; // the names, from the first half of the lines: the windows' own
        for (const QString& line : after.first(after.size() / 2))
            listed << line.left(line.indexOf(QStringLiteral(": ")));
        const bool closing = action != QLatin1String("Umbenennen") && action != QLatin1String("Doppelklick");
        QCOMPARE(open, !closing);
        if (!closing)
            QCOMPARE(during, listed); // the dialog's list follows the rename
        QCOMPARE(windowsShown(*m_frame), after);
        QCOMPARE(m_frame->WindowNames.strings(), listed);
        QStringList messages;
        for (const auto& c : prompter.calls) {
            if (c.kind == QLatin1String("message"))
                messages << c.text + '|' + c.caption + '|' + QString::number(c.flags);
        }
        QFETCH(QString, message);
        QCOMPARE(messages, message.isEmpty() ? QStringList() : QStringList{message});
        // The printed tape goes to the printer under the window's name.
        prompter.dialogScripts.clear(); // the preview closes at once
        PrintHistory(m_frame->windows()[0], true, false);
        QCOMPARE(PrinterSession::instance().printer().docName(), "Historie " + listed[0]);
    }

    // A layout file may bring two windows of one name: renaming either renames both, and the
    // name they share counts as taken for the others.
    void sameNames_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("after"); // captions, then what Speicher2's link box shows
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("the second of two renames both") << 3 << "Kasse"
            << QStringList{"Kasse", "Speicher2", "Rechner3", "Kasse", "(kein Speicher), Kasse*, Rechner3, Kasse"}
            << QStringList();
        QTest::newRow("their name is taken for another") << 2 << "Rechner1"
            << QStringList{"Rechner1", "Speicher2", "Rechner3", "Rechner1",
                           "(kein Speicher), Rechner1*, Rechner3, Rechner1"}
            << QStringList{"Dieser Name ist bereits vergeben!|Warnung|16"};
        QTest::newRow("their own name changes nothing") << 0 << "Rechner1"
            << QStringList{"Rechner1", "Speicher2", "Rechner3", "Rechner1",
                           "(kein Speicher), Rechner1*, Rechner3, Rechner1"}
            << QStringList();
    }
    void sameNames()
    {
        QFETCH(int, row);
        QFETCH(QString, answer);
        QFETCH(QStringList, after);
        m_frame->NewWindow(QStringLiteral("Rechner"), QStringLiteral("Rechner1"));
        ScriptedPrompter prompter;
        QStringList listed;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TBenennenForm&>(dialog);
            form.Liste->setCurrentRow(row);
            form.Umbenennen->click();
            for (int i = 0; i < form.Liste->count(); ++i)
                listed << form.Liste->item(i)->text();
            return int(QDialog::Accepted);
        };
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& box = static_cast<TvdlInputBox&>(dialog);
            box.Input->setText(answer);
            box.OK->click();
            return int(QDialog::Rejected);
        };
        m_frame->MBenennen->trigger();
        QStringList shown;
        for (TRechnerForm* w : m_frame->windows())
            shown << m_frame->subWindowOf(w)->windowTitle();
        QCOMPARE(listed, shown); // the dialog's list follows
        const QString memory = windowsShown(*m_frame)[1];
        shown << memory.mid(memory.indexOf(QStringLiteral(": ")) + 2);
        QCOMPARE(shown, after);
        QStringList messages;
        for (const auto& c : prompter.calls) {
            if (c.kind == QLatin1String("message"))
                messages << c.text + '|' + c.caption + '|' + QString::number(c.flags);
        }
        QTEST(messages, "messages");
    }
};

QTEST_MAIN(TestBenennen)
#include "tst_benennen.moc"
