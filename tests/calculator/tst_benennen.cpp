// Renaming and closing windows through the dialog of "&Benennen" and "&Löschen", as the user
// sees it in captions, link boxes and the window list.
#include "calculator/Benennen.h"
#include "calculator/HistoryDruck.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlInput.h"
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

using namespace vdl;

namespace {

// Every window as "caption: link box items", the chosen item marked "*".
QStringList windowsShown(TMDIForm& frame)
{
    QStringList lines;
    for (TRechnerForm* w : frame.windows()) {
        QStringList items;
        for (int i = 0; i < w->Kombi->count(); ++i)
            items << w->Kombi->itemText(i) + (i == w->Kombi->currentIndex() ? QStringLiteral("*") : QString());
        lines << frame.subWindowOf(w)->windowTitle() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    return lines;
}

QStringList listed(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// The window list at the end of "&Fenster".
QStringList windowMenu(TMDIForm& frame)
{
    emit frame.HMFenster->aboutToShow();
    QStringList texts;
    for (const QAction* a : frame.HMFenster->actions().mid(15))
        texts << a->text();
    return texts;
}

// Rechner1, Speicher2 with Rechner1 chosen in its link box, Rechner3.
std::unique_ptr<TMDIForm> threeWindows()
{
    auto frame = test::openFrame();
    frame->MNeuenSpeicherClick();
    frame->MNeuenRechnerClick();
    test::choose(frame->windows()[1], 1);
    return frame;
}

} // namespace

class TestBenennen : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

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
        auto frame = threeWindows();
        ScriptedPrompter prompter;
        QStringList seen;
        const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
        int offCentre = -1;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TBenennenForm&>(dialog);
            seen = listed(form.Liste);
            seen << QStringLiteral("%1x%2").arg(form.width()).arg(form.height());
            offCentre = (form.geometry().center() - screenCentre).manhattanLength();
            for (const QWidget* w : {static_cast<QWidget*>(form.Liste), static_cast<QWidget*>(form.Umbenennen),
                                     static_cast<QWidget*>(form.Loeschen), static_cast<QWidget*>(form.Schliessen)}) {
                const QRect r = w->geometry();
                const auto* b = qobject_cast<const QPushButton*>(w);
                seen << QStringLiteral("%1 %2,%3 %4x%5").arg(b ? b->text() : w->objectName()).arg(r.x()).arg(r.y())
                            .arg(r.width()).arg(r.height())
                            + (w->isEnabled() ? QString() : QStringLiteral(" (grau)"))
                            + (b && b->isDefault() ? QStringLiteral(" (Enter)") : QString());
            }
            return int(QDialog::Accepted);
        };
        TRechnerForm* window = frame->windows()[2];
        if (opener == QLatin1String("MBenennen"))
            frame->MBenennen->trigger();
        else if (opener == QLatin1String("HMLoeschen"))
            frame->HMLoeschen->trigger();
        else if (opener == QLatin1String("MUmbenennen"))
            window->MUmbenennen->trigger();
        else
            test::popupItem(window->PAutoMemo(), QStringLiteral("&Umbenennen"))->trigger();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].text, QStringLiteral("BenennenForm"));
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Rechner/Speicher benennen"));
        QCOMPARE(seen, QStringList({"Rechner1", "Speicher2", "Rechner3", "370x126", "Liste 12,16 212x99",
                                    renaming ? "&Umbenennen 237,16 119x28" : "&Umbenennen 237,16 119x28 (grau)",
                                    "Löschen 237,50 119x28", "Schli&eßen 237,85 119x28 (Enter)"}));
        QVERIFY(offCentre >= 0 && offCentre <= 2);
    }

    void rename_data()
    {
        QTest::addColumn<bool>("renaming"); // false: the delete dialog
        QTest::addColumn<int>("row");       // selected item, -1 none
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("answer"); // typed into the input box; null cancels it
        QTest::addColumn<QString>("name");   // Rechner1's caption afterwards
        QTest::addColumn<QStringList>("messages");
        const QString cancel;
        const QStringList none;
        const QStringList refused{"Dieser Name kann nicht gespeichert werden!|Warnung|16"};
        QTest::newRow("Kasse") << true << 0 << false << "Kasse" << "Kasse" << none;
        QTest::newRow("double-click") << true << 0 << true << "Kasse" << "Kasse" << none;
        QTest::newRow("cancelled") << true << 0 << false << cancel << "Rechner1" << none;
        QTest::newRow("nothing selected") << true << -1 << false << "Kasse" << "Rechner1" << none;
        QTest::newRow("empty name") << true << 0 << false << "" << "" << none;
        QTest::newRow("euro and umlauts") << true << 0 << false << "Kasse € Süß" << "Kasse € Süß" << none;
        QTest::newRow("separator inside") << true << 0 << false << "Kasse-ßß-1" << "Rechner1" << refused;
        QTest::newRow("separator begun at the end") << true << 0 << false << "Kasse-ßß" << "Rechner1" << refused;
        QTest::newRow("ß at the end") << true << 0 << false << "Kasse-ß" << "Kasse-ß" << none;
        QTest::newRow("outside the code page") << true << 0 << false << "Kasse ✓" << "Rechner1" << refused;
        QTest::newRow("double-click in the delete dialog") << false << 0 << true << "Kasse" << "Rechner1" << none;
    }
    void rename()
    {
        QFETCH(bool, renaming);
        QFETCH(int, row);
        QFETCH(bool, doubleClick);
        QFETCH(QString, answer);
        QFETCH(QString, name);
        auto frame = threeWindows();
        ScriptedPrompter prompter;
        QStringList listAfter;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TBenennenForm&>(dialog);
            if (row >= 0)
                form.Liste->setCurrentRow(row);
            if (doubleClick) {
                QListWidgetItem* item = form.Liste->item(0);
                const QPoint at = form.Liste->visualItemRect(item).center();
                QTest::mouseClick(form.Liste->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(form.Liste->viewport(), Qt::LeftButton, {}, at);
            } else {
                form.Umbenennen->click();
            }
            listAfter = listed(form.Liste);
            return int(QDialog::Accepted);
        };
        QString preset = QStringLiteral("(not asked)");
        QString typed;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& box = static_cast<TvdlInputBox&>(dialog);
            preset = box.Input->text();
            if (answer.isNull()) {
                box.Abbruch->click();
            } else {
                box.Input->setText(answer);
                typed = box.Input->displayText();
                box.OK->click();
            }
            return int(QDialog::Rejected);
        };
        (renaming ? frame->MBenennen : frame->HMLoeschen)->trigger();

        const bool asked = (row >= 0 || doubleClick) && renaming;
        QCOMPARE(preset, asked ? QString() : QStringLiteral("(not asked)"));
        if (asked) {
            QCOMPARE(prompter.calls[1].caption, QStringLiteral("Neue Bezeichnung:"));
            QCOMPARE(typed, answer.isNull() ? QString() : answer); // shown as typed, not masked
        }
        QCOMPARE(listAfter, QStringList({name, "Speicher2", "Rechner3"}));
        QCOMPARE(windowsShown(*frame),
                 QStringList({name + ": (kein Speicher)*, Rechner3",
                              "Speicher2: (kein Speicher), " + name + "*, Rechner3",
                              "Rechner3: (kein Speicher)*, " + name + ", Speicher2"}));
        QCOMPARE(windowMenu(*frame), QStringList({"&1 " + name, "&2 Speicher2", "&3 Rechner3"}));
        QCOMPARE(frame->WindowNames.strings(), QStringList({name, "Speicher2", "Rechner3"}));
        // The printed tape goes to the printer under the window's name.
        prompter.dialogScripts.clear(); // the preview closes at once
        PrintHistory(frame->windows()[0], true, false);
        QCOMPARE(PrinterSession::instance().printer().docName(), "Historie " + name);
        QStringList messages;
        for (const auto& c : prompter.calls) {
            if (c.kind == QLatin1String("message"))
                messages << c.text + '|' + c.caption + '|' + QString::number(c.flags);
        }
        QTEST(messages, "messages");
    }

    void close_data()
    {
        QTest::addColumn<bool>("renaming");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("key"); // "Loeschen", "Schliessen" (the buttons), "Escape", "Enter"
        QTest::addColumn<QStringList>("after");
        const QStringList untouched{"Rechner1: (kein Speicher)*, Rechner3",
                                    "Speicher2: (kein Speicher), Rechner1*, Rechner3",
                                    "Rechner3: (kein Speicher)*, Rechner1, Speicher2"};
        // The memory that chose Rechner1 is unlinked and no list offers Rechner1 any more.
        const QStringList withoutRechner1{"Speicher2: (kein Speicher)*, Rechner3",
                                          "Rechner3: (kein Speicher)*, Speicher2"};
        QTest::newRow("delete Rechner1") << false << 0 << "Loeschen" << withoutRechner1;
        QTest::newRow("delete from the rename dialog") << true << 0 << "Loeschen" << withoutRechner1;
        QTest::newRow("delete without selection") << false << -1 << "Loeschen" << untouched;
        QTest::newRow("escape deletes nothing") << false << 0 << "Escape" << untouched;
        QTest::newRow("schließen") << false << 0 << "Schliessen" << untouched;
        QTest::newRow("enter closes") << true << 0 << "Enter" << untouched;
    }
    void close()
    {
        QFETCH(bool, renaming);
        QFETCH(int, row);
        QFETCH(QString, key);
        auto frame = threeWindows();
        ScriptedPrompter prompter;
        QStringList during;
        bool open = true;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TBenennenForm&>(dialog);
            if (row >= 0)
                form.Liste->setCurrentRow(row);
            form.Liste->setFocus();
            if (key == QLatin1String("Loeschen"))
                form.Loeschen->click();
            else if (key == QLatin1String("Schliessen"))
                form.Schliessen->click();
            else
                QTest::keyClick(form.Liste, key == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
            // The window is gone at once, while the dialog is still on the screen.
            during = windowsShown(*frame);
            open = form.isVisible();
            return int(QDialog::Accepted);
        };
        (renaming ? frame->MBenennen : frame->HMLoeschen)->trigger();
        QVERIFY(!open);
        QTEST(during, "after");
        QCOMPARE(windowsShown(*frame), during);
        QCOMPARE(windowMenu(*frame).size(), during.size());
    }
};

QTEST_MAIN(TestBenennen)
#include "tst_benennen.moc"
