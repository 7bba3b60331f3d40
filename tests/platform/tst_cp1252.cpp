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

    void characters_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("character");
        QTest::newRow("euro") << 0x80 << "€";
        QTest::newRow("sharp s") << 0xDF << "ß";
        QTest::newRow("undefined 0x81") << 0x81 << QString(QChar(0x81));
        QTest::newRow("undefined 0x9D") << 0x9D << QString(QChar(0x9D));
        QTest::newRow("low comma") << 0x82 << "‚";
        QTest::newRow("en dash") << 0x96 << "–";
        QTest::newRow("Y diaeresis") << 0x9F << "Ÿ";
        QTest::newRow("times") << 0xD7 << "×";
        QTest::newRow("divide") << 0xF7 << "÷";
    }
    void characters()
    {
        QFETCH(int, byte);
        QFETCH(QString, character);
        QCOMPARE(Cp1252::decode(QByteArray(1, char(byte))), character);
        QCOMPARE(Cp1252::encode(character), QByteArray(1, char(byte)));
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

    void caseMapping_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::newRow("umlauts") << "äöü" << "ÄÖÜ";
        QTest::newRow("ASCII") << "euro" << "EURO";
        QTest::newRow("accents") << "àéîõ" << "ÀÉÎÕ";
        QTest::newRow("y diaeresis") << "ÿ" << "Ÿ";
        QTest::newRow("caron and ligature") << "šœž" << "ŠŒŽ";
        QTest::newRow("operators unchanged") << "×÷" << "×÷";
        QTest::newRow("digits and signs") << "1,5€" << "1,5€";
        QTest::newRow("sharp s stays") << "straße" << "STRAßE";
        QTest::newRow("micro stays") << "µm" << "µM";
    }
    void caseMapping()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        QCOMPARE(Cp1252::upper(lower), upper);
        QCOMPARE(Cp1252::lower(upper), lower);
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
