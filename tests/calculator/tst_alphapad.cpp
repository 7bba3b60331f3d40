// The letter keypad: which letters a base offers, the ">10" key, where its keys go, and how
// long it lives.
#include "calculator/AlphaPad.h"
#include "tests/calculator/LinkScript.h"
#include "tests/support/TestEnv.h"
#include <QLabel>
#include <QPushButton>

using namespace vdl;
using test::setSystem;

namespace {
QString captions(const TAlphaPadForm& pad, bool enabledOnly = true)
{
    QString text;
    for (int i = 0; i < TAlphaPadForm::LetterCount; ++i) {
        if (!enabledOnly || pad.letterKey(i)->isEnabled())
            text += pad.letterKey(i)->text() + QLatin1Char(' ');
    }
    return text.trimmed();
}
} // namespace

class TestAlphaPad : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }
    void cleanup() { delete AlphaPad.data(); }

    void lettersOfABase_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("enabled");
        const QString all = QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W");
        QTest::newRow("10") << 10 << "";
        QTest::newRow("11") << 11 << "A";
        QTest::newRow("16") << 16 << "A B C D E F";
        QTest::newRow("32") << 32 << all.left(43);
        QTest::newRow("roman") << -1 << all;
    }
    void lettersOfABase()
    {
        QFETCH(int, base);
        TAlphaPadForm pad(nullptr);
        QCOMPARE(AlphaPad.data(), &pad);
        pad.SetBase(base);
        QTEST(captions(pad), "enabled");
    }

    void valuesWhileHeld()
    {
        TAlphaPadForm pad(nullptr);
        pad.SetBase(16);
        QTest::mousePress(pad.BX, Qt::LeftButton);
        QCOMPARE(captions(pad, false), QStringLiteral("10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32"));
        QTest::mouseRelease(pad.BX, Qt::LeftButton);
        QCOMPARE(captions(pad, false), QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W"));
        QCOMPARE(captions(pad), QStringLiteral("A B C D E F"));
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
        // A control character would be the command "clear entry"; typed, it is dropped.
        QTest::sendKeyEvent(QTest::Click, AlphaPad.data(), Qt::Key_unknown, QStringLiteral("\x01"), Qt::NoModifier);
        QCOMPARE(w->Eingabe->text(), QStringLiteral("CFC"));
        QTest::keyClick(AlphaPad.data(), Qt::Key_Escape);
        QCOMPARE(w->Eingabe->text(), QString());

        frame.subWindowOf(w)->close(); // without a window the keys do nothing
        QTest::mouseClick(AlphaPad->letterKey(0), Qt::LeftButton);
        QTest::keyClick(AlphaPad.data(), 'a');
        QVERIFY(frame.windows().isEmpty());
    }

    // The keypad lives while some window counts in a base above 10; only calculators open it.
    void lifetime()
    {
        TMDIForm frame;
        frame.show();
        TRechnerForm* r1 = frame.windows()[0];
        TRechnerForm* s2 = frame.NewWindow(QStringLiteral("Speicher"), QString());
        setSystem(s2, 16);
        QVERIFY(!AlphaPad);
        setSystem(r1, 16);
        QVERIFY(AlphaPad);
        TRechnerForm* r3 = frame.NewWindow(QStringLiteral("Rechner"), QString());
        setSystem(r3, 12);
        QCOMPARE(captions(*AlphaPad), QStringLiteral("A B"));
        setSystem(r1, 10);
        setSystem(r3, 10);
        QVERIFY(AlphaPad); // the memory still counts in base 16
        setSystem(s2, 8);
        QVERIFY(!AlphaPad);
    }
};

QTEST_MAIN(TestAlphaPad)
#include "tst_alphapad.moc"
