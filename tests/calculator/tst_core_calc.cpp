// Arithmetic through the calculator core: what the display and the tape show.
#include "tests/calculator/CoreScript.h"
#include "platform/Error.h"
#include "platform/Prompter.h"
#include <QTest>

using namespace vdl;
using namespace vdl::test;

class TestCoreCalc : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { pinGerman(); }
    void cleanup() { pinGerman(); }

    void steps_data()
    {
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("tapeText");

        QTest::newRow("read-back general") << -1 << 10 << "10 ÷ 3 × 3 =" << "9,99999999999999"
                                           << "10÷ | 3× | 3= | 9,99999999999999*";
        QTest::newRow("read-back 2 places") << 2 << 10 << "10 ÷ 3 = × 3 ="
                                            << "9,99" << "10,00÷ | 3,00= | 3,33* | 3,33× | 3,00= | 9,99*";
        QTest::newRow("operator repeats") << -1 << 10 << "5 + +" << "10" << "5+ | 5+";
        QTest::newRow("= never repeats") << -1 << 10 << "5 + =" << "5" << "5+ | = | 5*";
        QTest::newRow("= twice") << -1 << 10 << "12 + 30 = =" << "42" << "12+ | 30= | 42* | 42= | 42*";
        QTest::newRow("0 = after result") << -1 << 10 << "12 + 30 = 0 =" << "0" << "12+ | 30= | 42* | 0= | 0*";
        QTest::newRow("factorial of accumulator") << -1 << 10 << "3 + 2 !" << "120" << "3+ | 2! | = | 120*";
        QTest::newRow("mod") << -1 << 10 << "17 mod 5 =" << "2" << "17÷ | 5= | Rest 2*";
        QTest::newRow("mod negative") << -1 << 10 << "0 - 17 mod 5 =" << "-2" << "0- | 17÷ | 5= | Rest -2*";
        QTest::newRow("mod fraction") << -1 << 10 << "7,5 mod 2 =" << "1,5" << "7,5÷ | 2= | Rest 1,5*";
        QTest::newRow("power") << -1 << 10 << "2 ^ 10 =" << "1024" << "2^ | 10= | 1024*";
        QTest::newRow("root key") << -1 << 10 << "9 [BWurzel] 16 =" << "4" << "2√ | 16= | 4*";
        QTest::newRow("typed root keeps the entry") << -1 << 10 << "9 √ 16 =" << "4" << "9√ | 16= | 4*";
        QTest::newRow("percent add") << -1 << 10 << "200 + 10 %" << "220" << "200+ | (10 %) 20= | 220*";
        QTest::newRow("percent subtract") << -1 << 10 << "200 - 10 %" << "180" << "200- | (10 %) 20= | 180*";
        QTest::newRow("percent of product") << -1 << 10 << "200 × 10 %" << "20" << "200× | 10% | = | 20*";
        QTest::newRow("percent in hundred") << -1 << 10 << "119 + 19 %iH" << "138"
                                            << "119+ | (19 %iH) 19= | 138*";
        QTest::newRow("percent rounded to integers") << 0 << 10 << "25 + 10 %" << "28" << "25+ | (10 %) 3= | 28*";
        QTest::newRow("what percentage") << -1 << 10 << "200 ?% 50 =" << "200" << "200 = 100% | 50 =   25%";
        QTest::newRow("euro sign is what percentage") << -1 << 10 << "200 € 50 =" << "200" << "200 = 100% | 50 =   25%";
        QTest::newRow("what percentage 0 places") << 0 << 10 << "200 ?% 50 =" << "200" << "200 = 100% | 50 =   25%";
        QTest::newRow("what percentage 2 places") << 2 << 10 << "200 ?% 50 +" << "200,00"
                                                  << "200,00 = 100,00% | 50,00 =   25,00%";
        QTest::newRow("what percentage not padded") << -1 << 10 << "80 ?% 10 =" << "80" << "80 = 100% | 10 = 12,5%";
        QTest::newRow("hex") << -1 << 16 << "FF + 1 =" << "100" << "FF+ | 1= | 100*";
        QTest::newRow("binary keeps fraction") << -1 << 2 << "111 ÷ 10 ÷" << "11" << "111÷ | 10÷";
        QTest::newRow("binary continues") << -1 << 2 << "111 ÷ 10 × 10 =" << "111" << "111÷ | 10× | 10= | 111*";
        QTest::newRow("roman rounds half to even") << -1 << -1 << "X ÷ IV =" << "II" << "X÷ | IV= | II*";
        QTest::newRow("base result not taken over") << -1 << 16 << "A + 1 = +" << "B" << "A+ | 1= | B* | +";
        // A zero in a base is "0", as a result, an operand and a negative fraction alike.
        QTest::newRow("hex zero result") << -1 << 16 << "A - A =" << "0" << "A- | A= | 0*";
        QTest::newRow("binary fraction below 1") << -1 << 2 << "1 ÷ 11 =" << "0" << "1÷ | 11= | 0*";
        QTest::newRow("binary zero operand") << -1 << 2 << "0 +" << "0" << "0+";
        QTest::newRow("base 32 zero operand") << -1 << 32 << "0 + V =" << "V" << "0+ | V= | V*";
        QTest::newRow("binary negative fraction") << -1 << 2 << "1 - 11 ÷ 100 =" << "0" << "1- | 11÷ | 100= | 0*";
        QTest::newRow("roman has no zero") << -1 << -1 << "X - X =" << "" << "X- | X= | *";
        QTest::newRow("0 × 0 is 0") << -1 << 10 << "0 × 0 =" << "0" << "0× | 0= | 0*";
        QTest::newRow("date plus days") << -1 << 10 << "1.2.2020 + 30 =" << "02. 03. 2020"
                                        << "01. 02. 2020+ | 30 Tage= | 02. 03. 2020*";
        QTest::newRow("date difference") << -1 << 10 << "15.3.2020 - 1.3.2020 =" << "14Tage"
                                         << "15. 03. 2020- | 01. 03. 2020= | 14Tage*";
        QTest::newRow("second date refused") << -1 << 10 << "1.2.2020 + 1.3.2020 =" << "01. 02. 2020"
                                             << "01. 02. 2020+ | = | 01. 02. 2020*";
        QTest::newRow("date this year") << -1 << 10 << "1.5 +" << "01. 05. 2026" << "01. 05. 2026+";
        QTest::newRow("date with two commas") << -1 << 10 << "1,2,2020 +" << "01. 02. 2020" << "01. 02. 2020+";
        // A day count stays a day count; a date added to it is moved by its days.
        QTest::newRow("day count goes on") << -1 << 10 << "15.3.2020 - 1.3.2020 + 5 =" << "19Tage"
                                           << "15. 03. 2020- | 01. 03. 2020+ | 5 Tage= | 19Tage*";
        QTest::newRow("date moved by a day count") << -1 << 10 << "15.3.2020 - 1.3.2020 + 1.1.2021 ="
                                                   << "15. 01. 2021"
                                                   << "15. 03. 2020- | 01. 03. 2020+ | 01. 01. 2021= | 15. 01. 2021*";
        QTest::newRow("date from a day count refused") << -1 << 10 << "15.3.2020 - 1.3.2020 - 1.1.2020 +"
                                                       << "14Tage" << "15. 03. 2020- | 01. 03. 2020- | +";
        QTest::newRow("date less date later on") << -1 << 10 << "1.3.2020 + 30 - 1.3.2020 =" << "30Tage"
                                                 << "01. 03. 2020+ | 30 Tage- | 01. 03. 2020= | 30Tage*";
        QTest::newRow("shown day count taken up") << -1 << 10 << "15.3.2020 - 1.3.2020 = + 5 =" << "19Tage"
            << "15. 03. 2020- | 01. 03. 2020= | 14Tage* | 14 Tage+ | 5 Tage= | 19Tage*";
        QTest::newRow("shown date taken up in the date system") << -1 << -2 << "1.2.2020 + 30 = + 5 ="
            << "07. 03. 2020" << "01. 02. 2020+ | 30 Tage= | 02. 03. 2020* | 02. 03. 2020+ | 5 Tage= | 07. 03. 2020*";
        // Durations: hours, minutes and seconds, times and divided by plain numbers.
        QTest::newRow("time sum") << -1 << -3 << "1:30 + 2:45 =" << "4:15" << "1:30+ | 2:45= | 4:15*";
        QTest::newRow("time seconds") << -1 << -3 << "0:00:30 + 0:00:45 =" << "0:01:15"
                                      << "0:00:30+ | 0:00:45= | 0:01:15*";
        QTest::newRow("time beyond a day") << -1 << -3 << "20 + 7:30 =" << "27:30" << "20:00+ | 7:30= | 27:30*";
        QTest::newRow("time negative") << -1 << -3 << "1:00 - 2:30:15 =" << "-1:30:15"
                                       << "1:00- | 2:30:15= | -1:30:15*";
        QTest::newRow("time times a number") << -1 << -3 << "1:30 × 1,5 =" << "2:15" << "1:30× | 1,5= | 2:15*";
        QTest::newRow("time divided, whole seconds") << -1 << -3 << "1 ÷ 7 =" << "0:08:34" << "1:00÷ | 7= | 0:08:34*";
        QTest::newRow("time separator key") << -1 << -3 << "1 [BKom] 5 + 15 =" << "16:05" << "1:05+ | 15:00= | 16:05*";
        QTest::newRow("time decimal hours") << -1 << -3 << "1,5 + 0:15 =" << "1:45" << "1:30+ | 0:15= | 1:45*";
        QTest::newRow("time keyboard colon") << -1 << -3 << "2:15 / 3 =" << "0:45" << "2:15÷ | 3= | 0:45*";
        QTest::newRow("time goes on with the result") << -1 << -3 << "1:30 + 1 = + 0:30 ="
            << "3:00" << "1:30+ | 1:00= | 2:30* | 2:30+ | 0:30= | 3:00*";
    }
    void steps()
    {
        QFETCH(int, places);
        QFETCH(int, system);
        QFETCH(QString, keys);
        ScriptedPrompter prompter;
        RechnerCore core;
        chooseSystem(core, system);
        core.SetNK(places);
        press(core, keys);
        QTEST(core.EAnzeige, "display");
        QTEST(tape(core), "tapeText");
        QCOMPARE(prompter.messages(), QStringList());
    }

    // Every number the calculator writes for itself to read back, and every separator rule,
    // follow the regional decimal separator; with a decimal point a comma marks a date (the
    // comma's own rows not already among the steps above).
    void eitherDecimalSeparator_data()
    {
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("tapeText");
        const QChar comma(','), point('.');
        QTest::newRow("comma: Pi") << comma << -1 << "[BPi] × 2 =" << "6,28318530718"
                                   << "3,14159265359× | 2= | 6,28318530718*";
        QTest::newRow("point: Pi") << point << -1 << "[BPi] × 2 =" << "6.28318530718"
                                   << "3.14159265359× | 2= | 6.28318530718*";
        QTest::newRow("point: number") << point << -1 << "7.5 +" << "7.5" << "7.5+";
        QTest::newRow("comma: decimal key") << comma << -1 << "1 [BKom] 5 +" << "1,5" << "1,5+";
        QTest::newRow("point: decimal key") << point << -1 << "1 [BKom] 5 +" << "1.5" << "1.5+";
        QTest::newRow("comma: date by point") << comma << -1 << "7.5 +" << "07. 05. 2026" << "07. 05. 2026+";
        QTest::newRow("point: date by comma") << point << -1 << "7,5 +" << "07. 05. 2026" << "07. 05. 2026+";
        QTest::newRow("point: date by two points") << point << -1 << "1.2.2020 +" << "01. 02. 2020"
                                                   << "01. 02. 2020+";
        QTest::newRow("point: percentage padded") << point << 2 << "200 ?% 50 +" << "200.00"
                                                  << "200.00 = 100.00% | 50.00 =   25.00%";
    }
    void eitherDecimalSeparator()
    {
        QFETCH(QChar, decimal);
        QFETCH(int, places);
        QFETCH(QString, keys);
        useDecimalSeparator(decimal);
        ScriptedPrompter prompter;
        RechnerCore core;
        QCOMPARE(core.key(RechnerCore::BKom).caption, QString(decimal));
        core.SetNK(places);
        press(core, keys);
        QTEST(core.EAnzeige, "display");
        QTEST(tape(core), "tapeText");
        QCOMPARE(prompter.messages(), QStringList());
    }

    // The operator label shows the pending operator; after a result it is empty.
    void operatorLabel_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("label");
        QTest::newRow("times") << "5 *" << "×";
        QTest::newRow("divide") << "5 :" << "÷";
        QTest::newRow("root") << "5 [BWurzel]" << "√";
        QTest::newRow("mod") << "5 mod" << "mod";
        QTest::newRow("what percentage") << "5 ?%" << "?%";
        QTest::newRow("percent in hundred of product") << "5 × 2 %iH" << "%iH";
        QTest::newRow("percent ends") << "5 + 2 %" << "";
        QTest::newRow("factorial ends") << "5 !" << "";
    }
    void operatorLabel()
    {
        QFETCH(QString, keys);
        RechnerCore core;
        press(core, keys);
        QTEST(RechnerCore::operatorGlyph(core.EingabeOp), "label");
    }

    void resultStateAfterEquals()
    {
        RechnerCore core;
        press(core, QStringLiteral("1.2.2020 + 30 ="));
        QCOMPARE(core.FSystem, 10); // the switch to dates lasts one calculation
        QCOMPARE(core.FNK, -1);
        QCOMPARE(core.Eingabe, QString());
        QCOMPARE(core.EingabeOp, QString());
    }

    void signedTextCountsAtOnce()
    {
        RechnerCore core;
        press(core, QStringLiteral("10 ×"));
        core.InputProcessing(QStringLiteral("-7"), false);
        QCOMPARE(core.EAnzeige, QStringLiteral("3"));
        QCOMPARE(core.EingabeOp, QStringLiteral("+"));
        press(core, QStringLiteral("12"));
        core.InputProcessing(QStringLiteral("+5"), false); // not glued to the 12
        QCOMPARE(core.EAnzeige, QStringLiteral("8"));
    }

    void refusedEntries_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("tapeText");
        const QString invalid = QStringLiteral("Der Eingabewert ist ungültig!");
        QTest::newRow("no date") << "0.5 +" << QStringList{invalid} << "";
        QTest::newRow("days taken up, then no number") << "15.3.2020 - 1.3.2020 = + 0.5 ="
                                                       << QStringList{invalid, invalid}
            << "15. 03. 2020- | 01. 03. 2020= | 14Tage* | 14 Tage+ | = | 14Tage*";
        QTest::newRow("ends what-percentage twice") << "200 ?% 1,,2 =" << QStringList{invalid, invalid}
                                                    << "200 = 100%";
        QTest::newRow("unreadable for a function") << "1,2,3 [BSin]" << QStringList{invalid} << "";
        QTest::newRow("unreadable for factorial") << "1,2,3 [BFak]" << QStringList{invalid} << "";
    }
    void refusedEntries()
    {
        QFETCH(QString, keys);
        ScriptedPrompter prompter;
        RechnerCore core;
        press(core, keys);
        QTEST(prompter.messages(), "messages");
        for (const auto& call : prompter.calls) {
            QCOMPARE(call.caption, QStringLiteral("Fehler"));
            QCOMPARE(call.flags, 0);
        }
        QTEST(tape(core), "tapeText");
        QCOMPARE(core.Eingabe, QString()); // the refused entry is gone
    }

    void floatErrorsChangeNothing_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("error");
        QTest::newRow("divide by zero") << 10 << "7 ÷" << "0 =" << "Gleitkommadivision durch Null";
        QTest::newRow("mod by zero") << 10 << "7 mod" << "0 =" << "Gleitkommadivision durch Null";
        QTest::newRow("factorial overflow") << 10 << "1000 +" << "1000 !" << "Gleitkommaüberlauf";
        QTest::newRow("negative power base") << 10 << "0 - 8 = + ^" << "0,5 =" << "Ungültige Gleitkommaoperation";
        QTest::newRow("duration by zero") << -3 << "1:30 ÷" << "0 =" << "Gleitkommadivision durch Null";
        // Whatever the accumulator holds: 0 too, and in every system with ÷ or mod.
        const QString byZero = QStringLiteral("Gleitkommadivision durch Null");
        QTest::newRow("0 ÷ 0") << 10 << "0 ÷" << "0 =" << byZero;
        QTest::newRow("0 mod 0") << 10 << "0 mod" << "0 =" << byZero;
        QTest::newRow("5 - 5 ÷ 0") << 10 << "5 - 5 ÷" << "0 =" << byZero;
        QTest::newRow("currency 0 ÷ 0") << -4 << "0 ÷" << "0 =" << byZero;
        QTest::newRow("hex 0 ÷ 0") << 16 << "0 ÷" << "0 =" << byZero;
        QTest::newRow("hex A - A mod 0") << 16 << "A - A mod" << "0 =" << byZero;
        QTest::newRow("roman text worth 0") << -1 << "X - X ÷" << "VVX =" << byZero;
        QTest::newRow("duration 0 ÷ 0") << -3 << "0 ÷" << "0 =" << byZero;
    }
    void floatErrorsChangeNothing()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        QFETCH(QString, last);
        MarkHost host;
        RechnerCore core;
        core.setHost(&host);
        chooseSystem(core, system);
        press(core, keys);
        const QString display = core.EAnzeige, label = core.EingabeOp, tapeBefore = tape(core);
        const long double akku = core.FAkku;
        try {
            press(core, last);
            QFAIL("no error");
        } catch (const FloatError& e) {
            QTEST(e.message(), "error");
        }
        QCOMPARE(core.EAnzeige, display);
        QCOMPARE(core.EingabeOp, label);
        QCOMPARE(tape(core), tapeBefore);
        QCOMPARE(double(core.FAkku), double(akku));
    }

    // A duration refuses minutes and seconds above 59 and, where a number multiplies or
    // divides it, a duration; integer lists are no input there.
    void timeRefused_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("tapeText");
        const QStringList invalid{QStringLiteral("Der Eingabewert ist ungültig!")};
        QTest::newRow("minutes above 59") << "1:60 +" << invalid << "" << "";
        QTest::newRow("seconds above 59") << "0:10:75 +" << invalid << "" << "";
        QTest::newRow("four parts") << "1:2:3:4 +" << invalid << "" << "";
        QTest::newRow("two decimal separators") << "1,5,5 +" << invalid << "" << "";
        QTest::newRow("duration as a factor") << "1:30 × 0:30 =" << invalid << "1:30" << "1:30×";
        QTest::newRow("no list separator") << "1;2 +" << QStringList() << "12:00" << "12:00+";
        QTest::newRow("percent typed") << "1:00 + 50 %" << QStringList() << "1:00" << "1:00+";
        QTest::newRow("power typed") << "2:00 ^" << QStringList() << "" << "";
    }
    void timeRefused()
    {
        QFETCH(QString, keys);
        ScriptedPrompter prompter;
        RechnerCore core;
        chooseSystem(core, -3);
        press(core, keys);
        QTEST(prompter.messages(), "messages");
        for (const auto& call : prompter.calls) {
            QCOMPARE(call.caption, QStringLiteral("Fehler"));
            QCOMPARE(call.flags, 0);
        }
        QTEST(core.EAnzeige, "display");
        QTEST(tape(core), "tapeText");
    }

    void minusValuesRed()
    {
        RechnerCore core;
        core.mMinuswerteRotClick();
        press(core, QStringLiteral("10 - 15 ="));
        QCOMPARE(tape(core), QStringLiteral("10- | 15={rot} | -5*{rot}"));
    }
};

QTEST_GUILESS_MAIN(TestCoreCalc)
#include "tst_core_calc.moc"
