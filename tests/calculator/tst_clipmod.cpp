// The clipboard editor as the user meets it: what it shows, what each button leaves on the
// clipboard, and the refusal when the clipboard holds no text.
#include "calculator/vdlClipMod.h"
#include "platform/Prompter.h"
#include "tests/calculator/CoreScript.h"
#include "tests/calculator/LinkScript.h"
#include "toolkit/vdlReg.h"
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vdl;

namespace {
// Copied from a tape: lines end with CR LF.
const QString Tape = QStringLiteral("12 +\r\n30 =\r\n42 *");

QString clipboardText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() ? data->text() : QStringLiteral("(kein Text)");
}
} // namespace

class TestClipMod : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    // "edit" types at the end of the text first; "all" or "line" selects before the click.
    void buttons_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Speichern, all selected") << "edit all BtnSpeichern" << Tape + "\r\n99 +" << true;
        QTest::newRow("Speichern, one line") << "line BtnSpeichern" << "12 +" << true;
        QTest::newRow("Speichern, LF only") << "lf all BtnSpeichern" << "12 +\n30 =" << true;
        QTest::newRow("Speichern, nothing selected") << "edit BtnSpeichern" << Tape << true;
        QTest::newRow("Löschen") << "all BtnLoeschen" << "(kein Text)" << true;
        QTest::newRow("Schließen") << "edit all BtnSchliessen" << Tape << true;
        QTest::newRow("Esc") << "edit all Esc" << Tape << true;
        QTest::newRow("Enter types a line") << "edit all Enter" << Tape << false;
    }
    void buttons()
    {
        QFETCH(QString, script);
        const QString start = script.startsWith(QLatin1String("lf")) ? QStringLiteral("12 +\n30 =") : Tape;
        QGuiApplication::clipboard()->setText(start);
        ScriptedPrompter prompter;
        QString shown;
        QStringList captions;
        bool closed = false;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TfvdlClipMod&>(dialog);
            shown = form.Memo->toPlainText();
            for (const QPushButton* b : {form.BtnSpeichern, form.BtnLoeschen, form.BtnSchliessen})
                captions << b->text() + (b->isDefault() ? QStringLiteral(" (Vorgabe)") : QString());
            for (const QString& step : script.split(QLatin1Char(' '))) {
                if (step == QLatin1String("lf")) {
                    continue;
                } else if (step == QLatin1String("edit")) {
                    form.Memo->moveCursor(QTextCursor::End);
                    QTest::keyClick(form.Memo, Qt::Key_Return);
                    QTest::keyClicks(form.Memo, QStringLiteral("99 +"));
                } else if (step == QLatin1String("all")) {
                    form.Memo->selectAll();
                } else if (step == QLatin1String("line")) {
                    form.Memo->moveCursor(QTextCursor::Start);
                    form.Memo->moveCursor(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
                } else if (step == QLatin1String("Esc")) {
                    QTest::keyClick(form.Memo, Qt::Key_Escape);
                } else if (step == QLatin1String("Enter")) {
                    QTest::keyClick(form.Memo, Qt::Key_Return);
                } else {
                    form.findChild<QPushButton*>(step)->click();
                }
            }
            closed = !form.isVisible();
            return int(QDialog::Rejected);
        };
        EditClipboard();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].text, QStringLiteral("fvdlClipMod"));
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Zwischenablage bearbeiten"));
        QCOMPARE(shown, QString(start).remove(QLatin1Char('\r')));
        QCOMPARE(captions, QStringList({"&Speichern", "&Löschen", "Schli&eßen (Vorgabe)"}));
        QTEST(clipboardText(), "clipboard");
        QTEST(closed, "closes");
    }

    void noText_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("picture only") << "picture";
        QTest::newRow("empty clipboard") << "cleared";
    }
    void noText()
    {
        QFETCH(QString, clipboard);
        if (clipboard == QLatin1String("picture")) {
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(Qt::red);
            QGuiApplication::clipboard()->setImage(picture);
        } else {
            QGuiApplication::clipboard()->clear();
        }
        ScriptedPrompter prompter;
        EditClipboard();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].kind, QStringLiteral("message"));
        QCOMPARE(prompter.calls[0].text, QStringLiteral("Die Zwischenablage enthält keinen Text!"));
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Geht nicht!"));
        QCOMPARE(prompter.calls[0].flags, mb::Ok | mb::IconError);
    }

    // With position saving on, the editor opens again where and as large as it was left.
    void keepsItsPlace()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), QStringLiteral("1"), true, true);
        QGuiApplication::clipboard()->setText(Tape);
        ScriptedPrompter prompter;
        QRect reopened;
        prompter.dialogScripts << [](QDialog& dialog) {
            dialog.setGeometry(30, 40, 500, 400);
            return int(QDialog::Rejected);
        };
        prompter.dialogScripts << [&](QDialog& dialog) {
            reopened = dialog.geometry();
            return int(QDialog::Rejected);
        };
        EditClipboard();
        EditClipboard();
        QCOMPARE(reopened, QRect(30, 40, 500, 400));
        QCOMPARE(ReadSettingEx(QStringLiteral("%\\FormFix"), QStringLiteral("fvdlClipMod"), true), QStringLiteral("30,40,530,440"));
    }

    // From the window's menu: the tape copied there is what the editor shows, and saving it
    // whole puts back exactly the same text.
    void fromTheWindowMenu()
    {
        auto frame = test::openFrame();
        TRechnerForm* window = frame->windows().constFirst();
        test::press(window->core(), QStringLiteral("1 2 + 3 0 ="));
        window->MHistorieZwischen->trigger();
        ScriptedPrompter prompter;
        QString shown;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TfvdlClipMod&>(dialog);
            shown = form.Memo->toPlainText();
            form.Memo->selectAll();
            form.BtnSpeichern->click();
            return int(QDialog::Rejected);
        };
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(window->MZwischenablageBearbeiten->isEnabled());
        window->MZwischenablageBearbeiten->trigger();
        QVERIFY(shown.endsWith(QStringLiteral("42 *\n")));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }
};

QTEST_MAIN(TestClipMod)
#include "tst_clipmod.moc"
