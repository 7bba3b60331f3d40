#include "platform/Cp1252.h"
#include <QTest>

using namespace vdl;

class TestCp1252 : public QObject {
    Q_OBJECT
private slots:
    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = Cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(Cp1252::canEncode(text));
        QCOMPARE(Cp1252::encode(text), all);
    }

    // A byte's character, and the byte it encodes back to; texts in upper and lower case.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto decoded = [](int byte) {
            const QString c = Cp1252::decode(QByteArray(1, char(byte)));
            return Cp1252::encode(c) == QByteArray(1, char(byte)) ? c : c + " (encodes otherwise)";
        };
        QTest::newRow("euro") << decoded(0x80) << "€";
        QTest::newRow("sharp s") << decoded(0xDF) << "ß";
        QTest::newRow("undefined 0x81") << decoded(0x81) << QString(QChar(0x81));
        QTest::newRow("undefined 0x9D") << decoded(0x9D) << QString(QChar(0x9D));
        QTest::newRow("en dash") << decoded(0x96) << "–";
        // Each of the pair turns into the other.
        const auto cased = [](const QString& lower, const QString& upper) { return Cp1252::upper(lower) + '|' + Cp1252::lower(upper); };
        QTest::newRow("umlauts") << cased("äöü", "ÄÖÜ") << "ÄÖÜ|äöü";
        QTest::newRow("y diaeresis") << cased("ÿ", "Ÿ") << "Ÿ|ÿ";
        QTest::newRow("caron and ligature") << cased("šœž", "ŠŒŽ") << "ŠŒŽ|šœž";
        QTest::newRow("operators unchanged") << cased("×÷", "×÷") << "×÷|×÷";
        QTest::newRow("sharp s stays") << cased("straße", "STRAßE") << "STRAßE|straße";
        QTest::newRow("micro stays") << cased("µm", "µM") << "µM|µm";
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    void unencodable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("root sign") << "a√b" << QByteArray("a?b");
        QTest::newRow("C1 control without byte") << QString(QChar(0x80)) << QByteArray("?");
        QTest::newRow("emoji is one character") << "x😀" << QByteArray("x?");
    }
    void unencodable()
    {
        QFETCH(QString, text);
        QVERIFY(!Cp1252::canEncode(text));
        QTEST(Cp1252::encode(text), "bytes");
    }

};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
