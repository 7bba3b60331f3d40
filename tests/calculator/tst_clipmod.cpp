// The clipboard editor as the user meets it: what it shows, what each button leaves on the
// clipboard, and the refusal when the clipboard holds no text.
#include "calculator/vdlClipMod.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "toolkit/vdlReg.h"
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vdl;

namespace {
const QString Tape = QStringLiteral("12 +\r\n30 =\r\n42 *"); // as a tape is copied
} // namespace

class TestClipMod : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() { test::useOwnFolders(m_dir); }

    // Steps: "lf" starts from LF line ends, "edit" adds a line, "all"/"line" select, then a
    // button or key. The dialog is left open only where it says so.
    void buttons_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("Speichern, all selected") << "edit all BtnSpeichern" << Tape + "\r\n99 +";
        QTest::newRow("Speichern, one line") << "line BtnSpeichern" << "12 +";
        QTest::newRow("Speichern, LF only") << "lf all BtnSpeichern" << "12 +\n30 =";
        QTest::newRow("Speichern, nothing selected") << "edit BtnSpeichern" << Tape;
        QTest::newRow("Löschen") << "all BtnLoeschen" << "(kein Text)";
        QTest::newRow("Schließen") << "edit all BtnSchliessen" << Tape;
        QTest::newRow("Esc") << "edit all Esc" << Tape;
        QTest::newRow("Enter types a line") << "edit all Enter open" << Tape;
    }
    void buttons()
    {
        QFETCH(QString, steps);
        const QString start = steps.startsWith(QLatin1String("lf")) ? QStringLiteral("12 +\n30 =") : Tape;
        QGuiApplication::clipboard()->setText(start);
        ScriptedPrompter prompter;
        QStringList seen;
        bool open = false;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& form = static_cast<TfvdlClipMod&>(dialog);
            seen << form.Memo->toPlainText() << form.BtnSpeichern->text() << form.BtnLoeschen->text()
                 << form.BtnSchliessen->text() + (form.BtnSchliessen->isDefault() ? "*" : "");
            for (const QString& step : steps.split(QLatin1Char(' '))) {
                if (step == QLatin1String("edit")) {
                    form.Memo->moveCursor(QTextCursor::End);
                    QTest::keyClick(form.Memo, Qt::Key_Return);
                    QTest::keyClicks(form.Memo, QStringLiteral("99 +"));
                } else if (step == QLatin1String("all")) {
                    form.Memo->selectAll();
                } else if (step == QLatin1String("line")) {
                    form.Memo->moveCursor(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
                } else if (step == QLatin1String("Esc") || step == QLatin1String("Enter")) {
                    QTest::keyClick(form.Memo, step == QLatin1String("Esc") ? Qt::Key_Escape : Qt::Key_Return);
                } else if (step.startsWith(QLatin1String("Btn"))) {
                    form.findChild<QPushButton*>(step)->click();
                }
            }
            open = form.isVisible();
            return int(QDialog::Rejected);
        };
        EditClipboard();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].caption, QStringLiteral("Zwischenablage bearbeiten"));
        QCOMPARE(open, steps.endsWith(QLatin1String("open")));
        QCOMPARE(seen, QStringList({QString(start).remove(QLatin1Char('\r')), "&Speichern", "&Löschen", "Schli&eßen*"}));
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QTEST(data && data->hasText() ? data->text() : QStringLiteral("(kein Text)"), "clipboard");
    }

    // Chosen in the window's menu with no text on the clipboard: refused, nothing opens.
    void noText_data()
    {
        QTest::addColumn<bool>("picture");
        QTest::newRow("picture only") << true;
        QTest::newRow("empty clipboard") << false;
    }
    void noText()
    {
        QFETCH(bool, picture);
        QImage image(8, 8, QImage::Format_RGB32);
        picture ? QGuiApplication::clipboard()->setImage(image) : QGuiApplication::clipboard()->clear();
        ScriptedPrompter prompter;
        TRechnerForm window;
        window.MZwischenablageBearbeiten->trigger();
        QCOMPARE(prompter.calls.size(), 1);
        QCOMPARE(prompter.calls[0].text + " | " + prompter.calls[0].caption,
                 QStringLiteral("Die Zwischenablage enthält keinen Text! | Geht nicht!"));
        QCOMPARE(prompter.calls[0].flags, mb::Ok | mb::IconError);
    }

    // With position saving on, the editor opens again where and as large as it was left.
    void keepsItsPlace()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), QStringLiteral("1"), true, true);
        QGuiApplication::clipboard()->setText(Tape);
        ScriptedPrompter prompter;
        QRect reopened;
        prompter.dialogScripts << [](QDialog& d) { return d.setGeometry(30, 40, 500, 400), int(QDialog::Rejected); };
        prompter.dialogScripts << [&](QDialog& d) { return reopened = d.geometry(), int(QDialog::Rejected); };
        EditClipboard();
        EditClipboard();
        QCOMPARE(reopened, QRect(30, 40, 500, 400));
        QCOMPARE(ReadSettingEx(QStringLiteral("%\\FormFix"), QStringLiteral("fvdlClipMod"), true),
                 QStringLiteral("30,40,530,440"));
    }
};

QTEST_MAIN(TestClipMod)
#include "tst_clipmod.moc"
