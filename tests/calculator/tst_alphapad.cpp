// The letter keypad: which letters a base offers, the ">10" key, and where its keys go.
#include "calculator/AlphaPad.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/ExeDir.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace vdl;

namespace {
QString captions(const TAlphaPadForm& pad, bool enabledOnly)
{
    QString text;
    for (int i = 0; i < TAlphaPadForm::LetterCount; ++i) {
        if (!enabledOnly || pad.letterKey(i)->isEnabled())
            text += pad.letterKey(i)->text() + QLatin1Char(' ');
    }
    return text.trimmed();
}

void setSystem(TRechnerForm* w, int system)
{
    w->core().SetSystem(system);
    w->core().SystChange();
}
} // namespace

class TestAlphaPad : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        test::pinGerman();
        SettingsStore::setDir(m_dir.filePath(QStringLiteral("settings")));
        setExeDir(m_dir.path());
    }
    void cleanup() { delete AlphaPad.data(); }

    void lettersOfABase_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("10") << 10 << "";
        QTest::newRow("11") << 11 << "A";
        QTest::newRow("16") << 16 << "A B C D E F";
        QTest::newRow("31") << 31 << "A B C D E F G H I J K L M N O P Q R S T U";
        QTest::newRow("32") << 32 << "A B C D E F G H I J K L M N O P Q R S T U V";
        QTest::newRow("roman") << -1 << "A B C D E F G H I J K L M N O P Q R S T U V W";
        QTest::newRow("currency") << -4 << "A B C D E F G H I J K L M N O P Q R S T U V W";
    }
    void lettersOfABase()
    {
        QFETCH(int, base);
        QFETCH(QString, enabled);
        TAlphaPadForm pad(nullptr);
        pad.SetBase(base);
        QCOMPARE(captions(pad, true), enabled);
    }

    void layout()
    {
        TAlphaPadForm pad(nullptr);
        QCOMPARE(pad.windowTitle(), QStringLiteral("AlphaPadForm"));
        QCOMPARE(pad.size(), QSize(127, 190));
        QVERIFY(pad.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(pad.letterKey(0)->geometry(), QRect(1, 0, 30, 30));
        QCOMPARE(pad.letterKey(22)->geometry(), QRect(65, 160, 30, 30));
        QCOMPARE(pad.BX->geometry(), QRect(97, 160, 30, 30));
        QCOMPARE(pad.BX->text(), QStringLiteral(">10"));
        QVERIFY(pad.letterKey(0)->font().bold());
        QVERIFY(!pad.BX->font().bold());
        QCOMPARE(AlphaPad.data(), &pad);
    }

    void valuesWhileHeld()
    {
        TAlphaPadForm pad(nullptr);
        pad.SetBase(16);
        QTest::mousePress(pad.BX, Qt::LeftButton);
        QCOMPARE(captions(pad, false), QStringLiteral("10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32"));
        QTest::mouseRelease(pad.BX, Qt::LeftButton);
        QCOMPARE(captions(pad, false), QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W"));
        QCOMPARE(captions(pad, true), QStringLiteral("A B C D E F"));
    }

    void newestIsTheGlobal()
    {
        auto* first = new TAlphaPadForm(nullptr);
        auto* second = new TAlphaPadForm(nullptr);
        QCOMPARE(AlphaPad.data(), second);
        delete first;
        QCOMPARE(AlphaPad.data(), second);
        second->close(); // closing frees it
        QTRY_VERIFY(!AlphaPad);
    }

    void keysReachTheActiveWindow()
    {
        TMDIForm frame;
        frame.show();
        TRechnerForm* w = frame.windows()[0];
        setSystem(w, 16);
        QVERIFY(AlphaPad);
        QTest::mouseClick(AlphaPad->letterKey(2), Qt::LeftButton); // C
        QTest::keyClick(AlphaPad.data(), Qt::Key_F, Qt::NoModifier);
        QTest::keyClick(AlphaPad->letterKey(0), 'c'); // typed while a key has the focus
        QCOMPARE(w->Eingabe->text(), QStringLiteral("CFC"));
        QTest::keyClick(AlphaPad.data(), Qt::Key_Escape); // clears the entry
        QCOMPARE(w->Eingabe->text(), QString());
    }

    void withoutWindowNothingHappens()
    {
        TMDIForm frame;
        frame.show();
        frame.subWindowOf(frame.windows()[0])->close();
        TAlphaPadForm pad(&frame);
        QTest::mouseClick(pad.letterKey(0), Qt::LeftButton);
        QTest::keyClick(&pad, 'a');
        QVERIFY(frame.windows().isEmpty());
    }

    // The keypad lives while some calculator counts in a base above 10.
    void lifetime()
    {
        TMDIForm frame;
        frame.show();
        TRechnerForm* r1 = frame.windows()[0];
        TRechnerForm* s2 = frame.NewWindow(QStringLiteral("Speicher"), QString());
        setSystem(s2, 16);
        QVERIFY(!AlphaPad); // memory windows never open it
        setSystem(r1, 16);
        QVERIFY(AlphaPad);
        TRechnerForm* r3 = frame.NewWindow(QStringLiteral("Rechner"), QString());
        setSystem(r3, 12);
        QCOMPARE(captions(*AlphaPad, true), QStringLiteral("A B"));
        setSystem(r1, 10);
        QVERIFY(AlphaPad); // the memory and Rechner3 still count above 10
        setSystem(r3, 10);
        QVERIFY(AlphaPad);
        setSystem(s2, 8);
        QVERIFY(!AlphaPad);
    }
};

QTEST_MAIN(TestAlphaPad)
#include "tst_alphapad.moc"
