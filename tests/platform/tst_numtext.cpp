#include "platform/CheckedMath.h"
#include "platform/NumText.h"
#include "tests/support/TestEnv.h"
#include <QTest>
#include <cmath>
#include <functional>
#include <random>

using namespace vdl;
Q_DECLARE_METATYPE(long double)

class TestNumText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { init(); } // rows are formatted in the data function
    void init() { test::pinGerman(); }

    // Numbers as the calculator shows them: by pattern (half away from zero), and in the
    // shortest form of 15 digits.
    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0,125 half up") << FormatFloat("0.00", 0.125L) << "0,13";
        QTest::newRow("2,675 half up") << FormatFloat("0.00", 2.675L) << "2,68";
        QTest::newRow("-2,5 away from zero") << FormatFloat("0", -2.5L) << "-3";
        QTest::newRow("0,4999") << FormatFloat("0", 0.4999L) << "0";
        QTest::newRow("9,995 carries") << FormatFloat("0.00", 9.995L) << "10,00";
        QTest::newRow("no minus for zero digits") << FormatFloat("0.00", -0.001L) << "0,00";
        QTest::newRow("grouped") << FormatFloat("#,##0.00", 1234567.891L) << "1.234.567,89";
        QTest::newRow("grouped carry") << FormatFloat("#,##0", 999.5L) << "1.000";
        QTest::newRow("grouped negative") << FormatFloat("#,##0", -1234.0L) << "-1.234";
        QTest::newRow("18 digits") << FormatFloat("0", 123456789012345678.0L) << "123456789012345678";
        QTest::newRow("beyond 18 digits") << FormatFloat("0", 1e18L) << "1E18";
        QTest::newRow("rounds to 19 digits") << FormatFloat("0.00", 999999999999999999.875L) << "1E18";
        QTest::newRow("rounds to 19 digits, negative") << FormatFloat("#,##0", -999999999999999999.5L) << "-1E18";
        QTest::newRow("1E15") << FloatToStr(1e15L) << "1E15";
        QTest::newRow("rounds up to 1E15") << FloatToStr(999999999999999.5L) << "1E15";
        QTest::newRow("0,0001") << FloatToStr(0.0001L) << "0,0001";
        QTest::newRow("1E-5") << FloatToStr(0.00001L) << "1E-5";
        QTest::newRow("1,5E-7") << FloatToStr(1.5e-7L) << "1,5E-7";
        QTest::newRow("mantissa") << FloatToStr(6402373705728000.0L) << "6,402373705728E15";
        QTest::newRow("16th digit rounds") << FloatToStr(9.999999999999999L) << "10";
        QTest::newRow("-0") << FloatToStr(-0.0L) << "0";
        QTest::newRow("one third") << FloatToStr(1.0L / 3) << "0,333333333333333";
        QTest::newRow("0,1+0,2") << FloatToStr(0.1L + 0.2L) << "0,3";
        QTest::newRow("negative tiny") << FloatToStr(-1e-300L) << "-1E-300";
        // The message of the error a checked operation raises, "" for none.
        const auto told = [](const std::function<void()>& op) {
            try {
                op();
            } catch (const FloatError& e) {
                return e.message();
            }
            return QString();
        };
        const QString byZero = "Gleitkommadivision durch Null", invalid = "Ungültige Gleitkommaoperation";
        QTest::newRow("x/0") << told([] { fp::div(1.0L, 0.0L); }) << byZero;
        QTest::newRow("0/0") << told([] { fp::div(0.0L, 0.0L); }) << invalid;
        QTest::newRow("overflow") << told([] { fp::mul(1e4000L, 1e4000L); }) << "Gleitkommaüberlauf";
        QTest::newRow("sqrt(-1)") << told([] { fp::sqrt(-1.0L); }) << invalid;
        QTest::newRow("ln(-1)") << told([] { fp::ln(-1.0L); }) << invalid;
        QTest::newRow("ln(0)") << told([] { fp::ln(0.0L); }) << byZero;
        QTest::newRow("(-8)^(1/3)") << told([] { fp::power(-8.0L, 1.0L / 3); }) << invalid;
        QTest::newRow("0^-1") << told([] { fp::power(0.0L, -1.0L); }) << byZero;
        QTest::newRow("(-8)^3") << told([] { fp::power(-8.0L, 3.0L); }) << "";
        QTest::newRow("trunc 1E19") << told([] { Trunc(1e19L); }) << invalid;
        QTest::newRow("round -1E19") << told([] { Round(-1e19L); }) << invalid;
    }
    void texts()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }

    // The shortcut that computes the digits in integer arithmetic must show exactly what the
    // library's digits show, for integers, cents, wide mantissas, ties at the 18th digit,
    // neighbours of powers of ten and quotients.
    void sameTextsBothWays()
    {
        std::mt19937_64 random(20240615);
        const QString allDigits = "0." + QString(30, '0');
        const auto texts = [&](long double v) {
            return QStringList{FloatToStr(v), FormatFloat(allDigits, v), FormatFloat("#,##0.00", v), FormatFloat("0", v)};
        };
        for (int i = 0; i < 120000; ++i) {
            const unsigned long long r = random();
            long double v = 0;
            switch (i % 6) {
            case 0: v = (long double)(r >> (r % 64)); break;
            case 1: v = (long double)(long long)(r % 100000000000ULL - 50000000000ULL) / 100; break;
            case 2: v = std::ldexp((long double)(r | 1ULL << 63), int(random() % 161) - 154); break;
            case 3: // an odd multiple of 2^-19 in [0,1; 1) has 19 digits ending in 5
                v = i % 4 == 3 ? std::ldexp((long double)(52429 + 2 * (r % 235929)), -19)
                               : (long double)(100000000000000000ULL + r % 900000000000000000ULL) + 0.5L;
                break;
            case 4: v = std::nextafter(std::pow(10.0L, int(r % 40) - 20), r & 2 ? 0.0L : 1e30L); break;
            case 5: v = (long double)(r % 1000000) / (long double)(random() % 999 + 1); break;
            }
            if (r & 1)
                v = -v;
            const QStringList fast = texts(v);
            detail::setLibraryDigitsOnly(true);
            const QStringList slow = texts(v);
            detail::setLibraryDigitsOnly(false);
            QCOMPARE(fast, slow);
        }
    }

    void strToFloat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<long double>("value");
        QTest::newRow("12,") << "12," << true << 12.0L;
        QTest::newRow(",5") << ",5" << true << 0.5L;
        QTest::newRow("blanks around") << " \t1,5 \r\n" << true << 1.5L;
        QTest::newRow("plus") << "+3" << true << 3.0L;
        QTest::newRow("minus") << "-0,25" << true << -0.25L;
        QTest::newRow("signed exponent") << "1,5e-7" << true << 1.5e-7L;
        QTest::newRow("long double digits") << "0,1" << true << 0.1L;
        QTest::newRow("empty") << "" << false << 0.0L;
        QTest::newRow("point") << "1.5" << false << 0.0L;
        QTest::newRow("grouping") << "1.000,5" << false << 0.0L;
        QTest::newRow("two separators") << "1,2,3" << false << 0.0L;
        QTest::newRow("sign only") << "-" << false << 0.0L;
        QTest::newRow("inner blank") << "1 000" << false << 0.0L;
        QTest::newRow("inf") << "inf" << false << 0.0L;
        QTest::newRow("exponent without digits") << "1E+" << false << 0.0L;
        QTest::newRow("overflow") << "1E5000" << false << 0.0L;
        QTest::newRow("letters after") << "12a" << false << 0.0L;
    }
    void strToFloat()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        long double v = 0;
        QCOMPARE(TryStrToFloat(text, v), valid);
        try {
            QTEST(StrToFloat(text), "value");
            QVERIFY(valid);
        } catch (const ConvertError& e) {
            QVERIFY(!valid);
            QCOMPARE(e.message(), QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
        }
    }

    void pointSeparator()
    {
        test::pinEnglish();
        QCOMPARE(FormatFloat("#,##0.00", 1234.5L), QStringLiteral("1,234.50"));
        QCOMPARE(FloatToStr(1.5e-7L), QStringLiteral("1.5E-7"));
        QCOMPARE(StrToFloat("12."), 12.0L);
        long double v;
        QVERIFY(!TryStrToFloat("1,5", v));
    }

    void strToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -99: refused
        QTest::newRow("leading blank") << " 42" << 42;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("min") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("above max") << "2147483648" << -99;
        QTest::newRow("empty") << "" << -99;
        QTest::newRow("fraction") << "1,5" << -99;
        QTest::newRow("trailing blank") << "12 " << -99;
        QTest::newRow("dollar only") << "$" << -99;
    }
    void strToInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        int v = 0;
        QCOMPARE(TryStrToInt(text, v), value != -99);
        QCOMPARE(StrToIntDef(text, -99), value);
        if (value == -99)
            QVERIFY_THROWS_EXCEPTION(ConvertError, StrToInt(text));
    }

    void roundAndTrunc()
    {
        const long double values[] = {1.5L, 2.5L, -2.5L, -2.7L, 9e18L};
        const long long rounded[] = {2, 2, -2, -3, 9000000000000000000LL}, truncated[] = {1, 2, -2, -2, 9000000000000000000LL};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Round(values[i]), rounded[i]);
            QCOMPARE(Trunc(values[i]), truncated[i]);
        }
    }
};

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"
