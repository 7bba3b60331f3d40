// Number systems, roman numerals and the small numeric helpers, as the calculator shows them.
#include "platform/Error.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include "toolkit/vdlTools.h"

#include <QTest>
#include <climits>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(vdl::Var)

using vdl::test::ld;

class TstNumbers : public QObject {
    Q_OBJECT
private slots:
    void init() { vdl::Regional::set(vdl::Regional::german()); }

    void intToBase_data()
    {
        QTest::addColumn<vdl::Var>("value");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("digits");
        QTest::newRow("255 hex") << vdl::Var(255) << 16 << "FF";
        QTest::newRow("8 binary") << vdl::Var(8) << 2 << "1000";
        QTest::newRow("7 binary") << vdl::Var(7) << 2 << "111";
        QTest::newRow("fraction dropped") << vdl::Var(2.9) << 10 << "2";
        QTest::newRow("1 binary") << vdl::Var(1) << 2 << "1";
        QTest::newRow("zero") << vdl::Var(0) << 2 << "";
        QTest::newRow("negative") << vdl::Var(-5) << 10 << "";
        QTest::newRow("below one") << vdl::Var(0.5) << 10 << "";
        QTest::newRow("number text") << vdl::Var("255") << 16 << "FF";
        QTest::newRow("text with comma") << vdl::Var("12,7") << 10 << "12";
        QTest::newRow("no number") << vdl::Var("abc") << 16 << "";
        QTest::newRow("last digit") << vdl::Var(35) << 36 << "Z";
        QTest::newRow("int64 max") << vdl::Var(9223372036854775807LL) << 10 << "9223372036854775807";
        QTest::newRow("2^64-1 hex") << vdl::Var("18446744073709551615") << 16 << "FFFFFFFFFFFFFFFF";
        QTest::newRow("2^64 binary") << vdl::Var("18446744073709551616") << 2 << "1" + QString(64, QLatin1Char('0'));
        QTest::newRow("10^27") << vdl::Var("1000000000000000000000000000") << 10 << "1" + QString(27, QLatin1Char('0'));
        QTest::newRow("date value") << vdl::Var::date(37979.75) << 10 << "37979";
        QTest::newRow("roman half down") << vdl::Var(2.5) << -1 << "II";
        QTest::newRow("roman half up") << vdl::Var(3.5) << -1 << "IV";
        QTest::newRow("roman text") << vdl::Var("2024") << -1 << "MMXXIV";
        QTest::newRow("roman too big") << vdl::Var(1e12) << -1 << "";
        QTest::newRow("base 1") << vdl::Var(5) << 1 << "";
        QTest::newRow("base 37") << vdl::Var(5) << 37 << "";
        QTest::newRow("infinite") << vdl::Var(std::numeric_limits<long double>::infinity()) << 10 << "";
        QTest::newRow("nan") << vdl::Var(std::numeric_limits<long double>::quiet_NaN()) << 2 << "";
    }
    void intToBase()
    {
        QFETCH(vdl::Var, value);
        QFETCH(int, base);
        QTEST(vdl::IntToBase(value, base), "digits");
    }

    void baseToFloat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("value");
        QTest::newRow("lower hex") << "ff" << 16 << "255";
        QTest::newRow("upper hex") << "FF" << 16 << "255";
        QTest::newRow("digit too big") << "1G" << 16 << "0";
        QTest::newRow("base 37") << "10" << 37 << "0";
        QTest::newRow("empty") << "" << 16 << "0";
        QTest::newRow("base 1") << "0" << 1 << "0";
        QTest::newRow("sign") << "-1" << 10 << "0";
        QTest::newRow("comma") << "1,5" << 10 << "0";
        QTest::newRow("blank") << " 7" << 10 << "0";
        QTest::newRow("umlaut") << "\u00e4" << 36 << "0";
        QTest::newRow("base 36") << "zz" << 36 << "1295";
        QTest::newRow("int64 max") << "7FFFFFFFFFFFFFFF" << 16 << "9223372036854775807";
        QTest::newRow("2^64-1") << QString(64, QLatin1Char('1')) << 2 << "18446744073709551615";
        QTest::newRow("roman") << "mmxxiv" << -1 << "2024";
        QTest::newRow("5000 leading zeros") << QString(5000, '0') + '1' << 10 << "1";
        QTest::newRow("20000 leading zeros, binary") << QString(20000, '0') + "11" << 2 << "3";
    }
    void baseToFloat()
    {
        QFETCH(QString, text);
        QFETCH(int, base);
        QFETCH(QString, value);
        QCOMPARE(vdl::BaseToFloat(text, base), ld(value.toLatin1().constData()));
    }

    // The small routines, each with the result it must give.
    void results_data()
    {
        QTest::addColumn<int>("actual");
        QTest::addColumn<int>("expected");
        QTest::newRow("RomanToInt XIV") << vdl::RomanToInt("XIV") << 14;
        QTest::newRow("RomanToInt sticky sign") << vdl::RomanToInt("IIX") << 8;
        QTest::newRow("RomanToInt IIII") << vdl::RomanToInt("IIII") << 4;
        QTest::newRow("RomanToInt MMXXIV") << vdl::RomanToInt("MMXXIV") << 2024;
        QTest::newRow("RomanToInt lower case") << vdl::RomanToInt("mmxxiv") << 2024;
        QTest::newRow("RomanToInt foreign letter") << vdl::RomanToInt("XAX") << 20;
        QTest::newRow("RomanToInt empty") << vdl::RomanToInt("") << 0;
        QTest::newRow("VarSign negative int") << vdl::VarSign(vdl::Var(-3)) << -1;
        QTest::newRow("VarSign zero") << vdl::VarSign(vdl::Var(0)) << 0;
        QTest::newRow("VarSign positive float") << vdl::VarSign(vdl::Var(0.25)) << 1;
        QTest::newRow("VarSign negative text") << vdl::VarSign(vdl::Var("-1,5")) << -1;
        QTest::newRow("VarSign no number") << vdl::VarSign(vdl::Var("x")) << 0;
        QTest::newRow("IntMod sign of A") << vdl::IntMod(-8, 7) << -1;
        QTest::newRow("IntMod negative divisor") << vdl::IntMod(8, -7) << 1;
        QTest::newRow("IntMod INT_MIN by -1") << vdl::IntMod(INT_MIN, -1) << 0;
    }
    void results()
    {
        QFETCH(int, actual);
        QTEST(actual, "expected");
    }

    void intToRoman()
    {
        const QList<QPair<int, QString>> rows{{0, ""}, {-3, ""}, {4000, "MMMM"}, {5000, "MMMMM"}, {2024, "MMXXIV"}, {944, "CMXLIV"}};
        for (const auto& [value, text] : rows)
            QCOMPARE(vdl::IntToRoman(value), text);
        for (int n = 1; n < 5000; ++n)
            QCOMPARE(vdl::RomanToInt(vdl::IntToRoman(n)), n);
    }

    void strToFloatLoose_data()
    {
        QTest::addColumn<bool>("point");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value");
        QTest::newRow("rate, comma") << false << "1,95583" << "1.95583";
        QTest::newRow("rate, point") << true << "1,95583" << "1.95583";
        QTest::newRow("grouped, point") << true << "-1.234,5" << "-1234.5";
        QTest::newRow("grouped, comma") << false << "1.234,5" << "0";
        QTest::newRow("trailing plus") << false << "1+" << "1";
        QTest::newRow("trailing minus") << false << "3-" << "-3";
        QTest::newRow("no number") << false << "x" << "0";
    }
    void strToFloatLoose()
    {
        QFETCH(bool, point);
        QFETCH(QString, text);
        QFETCH(QString, value);
        if (point)
            vdl::test::pinEnglish();
        QCOMPARE(vdl::StrToFloatLoose(text), ld(value.toLatin1().constData()));
    }

    void intModByZero()
    {
        try {
            vdl::IntMod(5, 0);
            QFAIL("no error raised");
        } catch (const vdl::IntDivError& e) {
            QCOMPARE(e.message(), QStringLiteral("Division durch Null"));
        }
    }
};

QTEST_GUILESS_MAIN(TstNumbers)
#include "tst_numbers.moc"
