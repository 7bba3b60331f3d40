// The input box as the user drives it: typing, refused characters, numbers, the buttons.
#include "../support/TestEnv.h"
#include "platform/Prompter.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlInput.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace vdl;

class TestInputBox : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        test::pinGerman();
        SettingsStore::setDir(m_dir.path());
    }

    void layout()
    {
        TvdlInputBox box;
        QCOMPARE(box.objectName(), QStringLiteral("vdlInputBox"));
        QCOMPARE(box.size(), QSize(472, 77));
        QCOMPARE(box.Input->geometry(), QRect(10, 10, 452, 22));
        QCOMPARE(box.Abbruch->geometry(), QRect(257, 42, 106, 26));
        QCOMPARE(box.OK->geometry(), QRect(369, 42, 92, 26));
        QCOMPARE(box.Abbruch->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(box.OK->text(), QStringLiteral("&OK"));
        QVERIFY(box.OK->isDefault());
        QCOMPARE(box.font().family(), QStringLiteral("Arial")); // no Tahoma installed
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((box.geometry().center() - centre).manhattanLength() <= 2);
    }

    void script_data()
    {
        QTest::addColumn<bool>("password");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("forbidden");
        QTest::addColumn<QString>("keys");  // typed into the edit; "\x1b" presses Escape
        QTest::addColumn<QString>("button"); // "ok", "abort", "close"
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown"); // the edit as the user sees it before the button
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        QTest::newRow("ok takes the text") << false << -1 << "" << "x" << "ok" << true << "Rechner 1x"
                                           << "Rechner 1x" << none;
        QTest::newRow("abort keeps value") << false << -1 << "" << "x" << "abort" << false << "Rechner 1"
                                           << "Rechner 1x" << none;
        QTest::newRow("close box keeps value") << false << -1 << "" << "x" << "close" << false << "Rechner 1"
                                               << "Rechner 1x" << none;
        QTest::newRow("escape stays open") << false << -1 << "" << "\x1b" << "ok" << true << "Rechner 1"
                                           << "Rechner 1" << none;
        QTest::newRow("password stars") << true << -1 << "" << "ab" << "ok" << true << "Rechner 1ab"
                                        << "***********" << none;
        QTest::newRow("two refused, one warning") << false << -1 << ";," << ";a;" << "ok" << true << "Rechner 1a"
                                                  << "Rechner 1a"
                                                  << QStringList{"Die Zeichen \";,\" sind hier nicht erlaubt!|Warnung|16"};
        QTest::newRow("blank refused") << false << -1 << " " << "a b" << "ok" << true << "Rechner 1ab"
                                       << "Rechner 1ab"
                                       << QStringList{"Das Leerzeichen ist hier nicht erlaubt!|Warnung|16"};
        QTest::newRow("one character refused") << false << -1 << "x" << "xy" << "ok" << true << "Rechner 1y"
                                               << "Rechner 1y"
                                               << QStringList{"Das Zeichen \"x\" ist hier nicht erlaubt!|Warnung|16"};
        QTest::newRow("implied decimals") << false << 2 << "" << "\b\b\b\b\b\b\b\b\b1234567" << "ok" << true
                                          << "12345,67" << "1234567" << none;
        QTest::newRow("no number stays open") << false << 2 << "" << "" << "ok" << false << "Rechner 1"
                                              << "Rechner 1" << QStringList{"Ungültiger Wert!|Fehler|16"};
    }
    void script()
    {
        QFETCH(QString, keys);
        QFETCH(QString, button);
        QFETCH(bool, password);
        QFETCH(int, decimals);
        QFETCH(QString, forbidden);
        ScriptedPrompter prompter;
        QString shown;
        bool openAfterButton = false;
        prompter.dialogScripts << [&](QDialog& dialog) {
            auto& box = static_cast<TvdlInputBox&>(dialog);
            for (QChar c : keys) {
                if (c == QLatin1Char('\x1b'))
                    QTest::keyClick(box.Input, Qt::Key_Escape);
                else if (c == QLatin1Char('\b'))
                    QTest::keyClick(box.Input, Qt::Key_Backspace);
                else
                    QTest::keyClicks(box.Input, QString(c));
            }
            shown = box.isVisible() ? box.Input->displayText() : QStringLiteral("(closed)");
            if (button == QLatin1String("ok"))
                box.OK->click();
            else if (button == QLatin1String("abort"))
                box.Abbruch->click();
            else
                box.close();
            openAfterButton = box.isVisible();
            return int(QDialog::Rejected);
        };
        QString value = QStringLiteral("Rechner 1");
        QTEST(ShowInputBox(QStringLiteral("Neue Bezeichnung:"), value, password, decimals, forbidden), "result");
        QTEST(value, "value");
        QTEST(shown, "shown");
        QStringList messages;
        for (const auto& c : prompter.calls) {
            if (c.kind == QLatin1String("message"))
                messages << c.text + '|' + c.caption + '|' + QString::number(c.flags);
        }
        QTEST(messages, "messages");
        QCOMPARE(openAfterButton, !messages.isEmpty() && decimals >= 0);
        QCOMPARE(prompter.calls.first().caption, QStringLiteral("Neue Bezeichnung:"));
    }
};

QTEST_MAIN(TestInputBox)
#include "tst_inputbox.moc"
