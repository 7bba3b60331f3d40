// Number systems, roman numerals and the small numeric helpers, as the calculator shows them.
#include "platform/Error.h"
#include "platform/Regional.h"
#include "toolkit/vdlTools.h"

#include <QTest>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>

Q_DECLARE_METATYPE(vdl::Var)

namespace {
long double ld(const char* c) { return std::strtold(c, nullptr); }
vdl::Regional pointRegional()
{
    vdl::Regional r = vdl::Regional::german();
    r.decimalSeparator = QLatin1Char('.');
    r.thousandSeparator = QLatin1Char(',');
    return r;
}
} // namespace

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
        QFETCH(QString, digits);
        QCOMPARE(vdl::IntToBase(value, base), digits);
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
    }
    void baseToFloat()
    {
        QFETCH(QString, text);
        QFETCH(int, base);
        QFETCH(QString, value);
        QCOMPARE(vdl::BaseToFloat(text, base), ld(value.toLatin1().constData()));
    }

    void romanToInt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("XIV") << "XIV" << 14;
        QTest::newRow("sticky sign") << "IIX" << 8;
        QTest::newRow("IIII") << "IIII" << 4;
        QTest::newRow("MMXXIV") << "MMXXIV" << 2024;
        QTest::newRow("lower case") << "mmxxiv" << 2024;
        QTest::newRow("foreign letter") << "XAX" << 20;
        QTest::newRow("empty") << "" << 0;
    }
    void romanToInt()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(vdl::RomanToInt(text), value);
    }

    void intToRoman_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "";
        QTest::newRow("negative") << -3 << "";
        QTest::newRow("4000") << 4000 << "MMMM";
        QTest::newRow("5000") << 5000 << "MMMMM";
        QTest::newRow("2024") << 2024 << "MMXXIV";
        QTest::newRow("944") << 944 << "CMXLIV";
    }
    void intToRoman()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(vdl::IntToRoman(value), text);
    }

    void romanRoundTrip()
    {
        for (int n = 1; n < 5000; ++n)
            QCOMPARE(vdl::RomanToInt(vdl::IntToRoman(n)), n);
    }

    void varSign_data()
    {
        QTest::addColumn<vdl::Var>("value");
        QTest::addColumn<int>("sign");
        QTest::newRow("negative int") << vdl::Var(-3) << -1;
        QTest::newRow("zero") << vdl::Var(0) << 0;
        QTest::newRow("positive float") << vdl::Var(0.25) << 1;
        QTest::newRow("negative text") << vdl::Var("-1,5") << -1;
        QTest::newRow("no number") << vdl::Var("x") << 0;
    }
    void varSign()
    {
        QFETCH(vdl::Var, value);
        QFETCH(int, sign);
        QCOMPARE(vdl::VarSign(value), sign);
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
            vdl::Regional::set(pointRegional());
        QCOMPARE(vdl::StrToFloatLoose(text), ld(value.toLatin1().constData()));
    }

    void intMod_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("rest");
        QTest::newRow("sign of A") << -8 << 7 << -1;
        QTest::newRow("negative divisor") << 8 << -7 << 1;
        QTest::newRow("INT_MIN by -1") << INT_MIN << -1 << 0;
    }
    void intMod()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, rest);
        QCOMPARE(vdl::IntMod(a, b), rest);
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
