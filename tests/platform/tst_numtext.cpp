// Numbers and dates as texts: shown, read, and the errors the checked arithmetic raises; the
// code page of the files the program writes.
#include "platform/CheckedMath.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DateTimeText.h"
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/NumText.h"
#include "platform/Regional.h"
#include "tests/support/TestEnv.h"
#include <QCoreApplication>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>
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
        QTest::newRow("not a number") << FloatToStr(std::numeric_limits<long double>::quiet_NaN()) << "NAN";
        QTest::newRow("infinite, grouped") << FormatFloat("#,##0.00", -std::numeric_limits<long double>::infinity()) << "-INF";
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
        const double nikolaus = 46362 + (13 * 3600 + 5 * 60 + 9) / 86400.0 + 7 / 86400000.0;
        QTest::newRow("date") << FormatDateTime("dd.mm.yyyy", nikolaus) << "06.12.2026";
        QTest::newRow("upper case letters") << FormatDateTime("DD.MM.YYYY", nikolaus) << "06.12.2026";
        QTest::newRow("short names") << FormatDateTime("ddd mmm", nikolaus) << "So Dez";
        QTest::newRow("short") << FormatDateTime("d/m/yy", nikolaus) << "6.12.26";
        QTest::newRow("names") << FormatDateTime("dddd, d. mmmm yyyy", nikolaus) << "Sonntag, 6. Dezember 2026";
        QTest::newRow("März") << FormatDateTime("mmmm mmm", 46082.0) << "März Mär";
        QTest::newRow("time") << FormatDateTime("hh:nn:ss", nikolaus) << "13:05:09";
        QTest::newRow("short time") << FormatDateTime("h:n:s z", nikolaus) << "13:5:9 7";
        QTest::newRow("literals") << FormatDateTime("'Uhr' hh \"mm\"", nikolaus) << "Uhr 13 mm";
        QTest::newRow("open literal") << FormatDateTime("hh 'Uhr mm", nikolaus) << "13 Uhr mm";
        QTest::newRow("long runs split") << FormatDateTime("yyyyyy dddddd", nikolaus) << "202626 Sonntag06";
        QTest::newRow("other letters kept") << FormatDateTime("Tag d, Wo. ä", nikolaus) << "Tag 6, Wo. ä";
        QTest::newRow("before day zero") << FormatDateTime("dd.mm.yyyy hh:nn", -1.25) << "29.12.1899 06:00";
        QTest::newRow("end of day stays") << FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", 46362.99999999999) << "06.12.2026 23:59:59.999";
        QTest::newRow("NaN") << FormatDateTime("dd.mm.yyyy hh:nn:ss.zzz", std::nan("")) << "";
        QTest::newRow("infinite") << FormatDateTime("hh:nn", HUGE_VAL) << "";
        QTest::newRow("minus infinite") << FormatDateTime("dd.mm.yyyy", -HUGE_VAL) << "";
        Regional r = Regional::german();
        r.dateSeparator = QLatin1Char('/');
        r.timeSeparator = QLatin1Char('.');
        Regional::set(r);
        QTest::newRow("separators follow regional") << FormatDateTime("dd/mm/yyyy hh:nn", 46362.5) << "06/12/2026 12.00";
        init();
        // A byte's character, which encodes back to the byte; texts in upper and lower case.
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

    // The integer shortcut covers about 1E-10 <= |x| < 1E18 only: at its edges and beyond,
    // the texts are those of the library's digits.
    void shortcutEdges_data()
    {
        QTest::addColumn<long double>("value");
        const long double inf = std::numeric_limits<long double>::infinity();
        QTest::newRow("1E18") << 1e18L;
        QTest::newRow("just below 1E18") << std::nextafter(1e18L, 0.0L);
        QTest::newRow("just above 1E18") << std::nextafter(1e18L, inf);
        QTest::newRow("21 digits") << -123456789012345678901.0L;
        QTest::newRow("1E19 plus a half step") << 1e19L + 1024;
        QTest::newRow("1E25") << 1e25L;
        QTest::newRow("1E-10") << 1e-10L;
        QTest::newRow("just below 1E-10") << std::nextafter(1e-10L, 0.0L);
        QTest::newRow("9,5E-11") << -9.5e-11L;
        QTest::newRow("1,234E-12") << 1.234e-12L;
        QTest::newRow("1E-20") << 1e-20L;
    }
    void shortcutEdges()
    {
        QFETCH(long double, value);
        const QString allDigits = "0." + QString(30, '0');
        const auto texts = [&] {
            return QStringList{FloatToStr(value), FormatFloat(allDigits, value), FormatFloat("#,##0.00", value),
                               FormatFloat("0", value)};
        };
        const QStringList fast = texts();
        detail::setLibraryDigitsOnly(true);
        const QStringList slow = texts();
        detail::setLibraryDigitsOnly(false);
        QCOMPARE(fast, slow);
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
        QTest::newRow("exponent with plus") << "1,5E+3" << true << 1500.0L;
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
        QTest::newRow("hex letters") << "$fF" << 255;
        QTest::newRow("hex letter without $") << "1A" << -99;
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

    void regionalFollowsLocale()
    {
        // The tests run under German, English and C locales: the numeric separators follow
        // the locale, an unconfigured one means German, and dates keep the German form.
        const bool english = qgetenv("LC_ALL").startsWith("en_");
        const Regional r = Regional::fromSystem();
        QCOMPARE(r.decimalSeparator, QLatin1Char(english ? '.' : ','));
        QCOMPARE(r.thousandSeparator, QLatin1Char(english ? ',' : '.'));
        QCOMPARE(r.shortDateFormat, QStringLiteral("dd.MM.yyyy"));
    }

    void encodeDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("dayNumber");
        QTest::addColumn<QString>("text");
        QTest::newRow("day zero") << 1899 << 12 << 30 << 0.0 << "30.12.1899";
        QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 36585.0 << "29.02.2000";
        QTest::newRow("first day") << 1 << 1 << 1 << -693593.0 << "01.01.0001";
        QTest::newRow("last day") << 9999 << 12 << 31 << 2958465.0 << "31.12.9999";
    }
    void encodeDate()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, dayNumber);
        QCOMPARE(EncodeDate(year, month, day), dayNumber);
        QTEST(DateToStr(dayNumber), "text");
        int y, m, d;
        // The time of day counts away from day zero on both sides of it.
        DecodeDate(dayNumber < 0 ? dayNumber - 0.75 : dayNumber + 0.75, y, m, d);
        QCOMPARE(QDate(y, m, d), QDate(year, month, day));
    }

    void invalidDates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("year 0") << 0 << 1 << 1;
        QTest::newRow("29.02.2023") << 2023 << 2 << 29;
        QTest::newRow("month 13") << 2024 << 13 << 1;
    }
    void invalidDates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        try {
            EncodeDate(year, month, day);
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("Ungültiges Argument für Datumskodierung"));
        }
    }

    void strToDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date"); // empty: not a date
        QTest::newRow("full") << "14.09.2001" << "14.09.2001";
        QTest::newRow("blanks") << "14. 09. 2001" << "14.09.2001";
        QTest::newRow("pivot below 50") << "1.2.49" << "01.02.2049";
        QTest::newRow("pivot 50") << "1.2.50" << "01.02.1950";
        QTest::newRow("without year") << "1.2" << "01.02.2026";
        QTest::newRow("31 February") << "31.02.2001" << "";
        QTest::newRow("letters") << "abc" << "";
        QTest::newRow("slashes") << "14/09/2001" << "";
        QTest::newRow("empty month") << "1..2001" << "";
    }
    void strToDate()
    {
        QFETCH(QString, text);
        QFETCH(QString, date);
        double d = 0;
        QCOMPARE(TryStrToDate(text, d), !date.isEmpty());
        if (!date.isEmpty()) {
            QCOMPARE(DateToStr(d), date);
            return;
        }
        try {
            StrToDate(text);
            QFAIL("no error");
        } catch (const ConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' ist kein gültiges Datum").arg(text));
        }
    }

    void clockAndDayOfWeek()
    {
        QCOMPARE(Clock::now(), 46362.5);
        QCOMPARE(Clock::today(), 46362.0);
        QCOMPARE(DayOfWeek(Clock::today()), 1); // Sunday
        QCOMPARE(GermanDayName(DayOfWeek(Clock::today() - 1)), QStringLiteral("Samstag"));
    }

    void exeDir()
    {
        setExeDir("/tmp/rechner");
        QCOMPARE(ExeDir(), QStringLiteral("/tmp/rechner/"));
        setExeDir(QString());
        QCOMPARE(ExeDir(), QCoreApplication::applicationDirPath() + '/');
    }

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

QTEST_GUILESS_MAIN(TestNumText)
#include "tst_numtext.moc"
