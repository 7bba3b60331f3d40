// Dialog positions and fixed fonts from the settings store.
#include "../support/TestEnv.h"
#include "platform/Prompter.h"
#include "toolkit/SettingsStore.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlInput.h"
#include "toolkit/vdlReg.h"

#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vdl;

namespace {
const QString posKey = QStringLiteral("%\\FormFix");
QString storedPos(const QString& name) { return ReadSettingEx(posKey, name, true); }
} // namespace

class TestFormPos : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { test::pinGerman(); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SettingsStore::setDir(m_dir->path());
    }

    // Opened, moved, closed, opened again and closed unmoved: the box stays where it was put.
    void inputBoxRoundTrip()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), QStringLiteral("1"), true, true);
        ScriptedPrompter prompter;
        QList<QRect> seen;
        const auto closeAt = [&](QPoint to) {
            return [&seen, to](QDialog& d) {
                seen << d.geometry();
                if (!to.isNull())
                    d.setGeometry(QRect(to, d.size()));
                static_cast<TvdlInputBox&>(d).OK->click();
                return 0;
            };
        };
        prompter.dialogScripts << closeAt({100, 120}) << closeAt({}) << closeAt({});
        QString value;
        for (int i = 0; i < 3; ++i)
            ShowInputBox(QStringLiteral("Neue Bezeichnung:"), value, false, -1, QString());
        QCOMPARE(storedPos(QStringLiteral("vdlInputBox")), QStringLiteral("100,120,572,197"));
        QCOMPARE(seen.value(1), QRect(100, 120, 472, 77));
        QCOMPARE(seen.value(2), QRect(100, 120, 472, 77));
    }

    void restore_data()
    {
        QTest::addColumn<QString>("formFix");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QRect>("window");  // a resizable window placed at (5,6) 50x40
        QTest::addColumn<QRect>("dialog");  // a fixed 80x30 dialog placed at (5,6)
        QTest::addColumn<bool>("maximized");
        QTest::newRow("bounds") << "1" << "10,20,310,220" << QRect(10, 20, 300, 200) << QRect(10, 20, 80, 30) << false;
        QTest::newRow("maximised") << "1" << "2:10,20,310,220" << QRect(10, 20, 300, 200) << QRect(10, 20, 80, 30)
                                   << true;
        QTest::newRow("state before last colon") << "1" << "x:2:10,20,310,220" << QRect(10, 20, 300, 200)
                                                 << QRect(10, 20, 80, 30) << false;
        QTest::newRow("non-number is 0") << "1" << "a,20,310,220" << QRect(0, 20, 310, 200) << QRect(0, 20, 80, 30)
                                         << false;
        QTest::newRow("three parts") << "1" << "10,20,310" << QRect(5, 6, 50, 40) << QRect(5, 6, 80, 30) << false;
        QTest::newRow("switch off") << "" << "10,20,310,220" << QRect(5, 6, 50, 40) << QRect(5, 6, 80, 30) << false;
        QTest::newRow("trailing blank is off") << "1 " << "10,20,310,220" << QRect(5, 6, 50, 40)
                                               << QRect(5, 6, 80, 30) << false;
    }
    void restore()
    {
        QFETCH(QString, formFix);
        QFETCH(QString, stored);
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), formFix, true, true);
        WriteSetting(posKey, QStringLiteral("Fenster"), stored, true, true);
        WriteSetting(posKey, QStringLiteral("Dialog"), stored, true, true);
        QWidget window;
        window.setObjectName(QStringLiteral("Fenster"));
        window.setGeometry(5, 6, 50, 40);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Dialog"));
        dialog.setFixedSize(80, 30);
        dialog.move(5, 6);
        RestoreFormPos(&window);
        RestoreFormPos(&dialog);
        QTEST(window.geometry(), "window");
        QTEST(dialog.geometry(), "dialog");
        QTEST(window.isMaximized(), "maximized");
    }

    void saveMaximised()
    {
        WriteSetting(QStringLiteral("%"), QStringLiteral("FormFix"), QStringLiteral("1"), true, true);
        QWidget window;
        window.setObjectName(QStringLiteral("Fenster"));
        window.setGeometry(30, 40, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showMaximized();
        QTRY_VERIFY(window.width() > 200);
        SaveFormPos(&window);
        QCOMPARE(storedPos(QStringLiteral("Fenster")), QStringLiteral("2:30,40,230,140"));
        QVERIFY(!window.isMaximized());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("formFont"); // value under "%\FontFix" for the form
        QTest::addColumn<QString>("appFont");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QColor>("color");
        const QColor black(Qt::black);
        QTest::newRow("own font") << "10;1000;0;Liberation Serif" << "12;0;0;DejaVu Sans" << "Liberation Serif"
                                  << 10 << false << black;
        QTest::newRow("application font") << "" << "12;01;255;dejavu sans" << "dejavu sans" << 12 << true
                                          << QColor(255, 0, 0);
        QTest::newRow("no font text") << "" << "" << "Arial" << 9 << false << black;
        QTest::newRow("not installed") << "11;;0;Tahoma" << "" << "Arial" << 11 << false << black;
        QTest::newRow("bad size and colour") << "x;01;rot;Liberation Mono" << "" << "Liberation Mono" << 9 << true
                                             << black;
    }
    void fonts()
    {
        QFETCH(QString, formFont);
        QFETCH(QString, appFont);
        WriteSetting(QStringLiteral("%\\FontFix"), QStringLiteral("Dialog"), formFont, false, true);
        WriteSetting(QStringLiteral("%"), QStringLiteral("AppFont"), appFont, false, true);
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("Dialog"));
        QFont designed(QStringLiteral("Tahoma"), 9);
        dialog.setFont(designed);
        QPalette palette = dialog.palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        dialog.setPalette(palette);
        auto* button = new QPushButton(QStringLiteral("&OK"), &dialog);
        RestoreFormPos(&dialog);
        QTEST(button->font().family(), "family");
        QTEST(button->font().pointSize(), "size");
        QTEST(button->font().italic(), "italic");
        QTEST(dialog.palette().color(QPalette::WindowText), "color");
    }
};

QTEST_MAIN(TestFormPos)
#include "tst_formpos.moc"
