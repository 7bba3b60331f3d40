// Automatic transfer as the user meets it: switching it on and off, the pop-up that opens a
// memory in another system, and the tapes of memories that replay a calculator's steps.
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "dates/CurrencyStore.h"
#include "platform/Prompter.h"
#include "tests/calculator/CoreScript.h"
#include "tests/calculator/LinkScript.h"
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

using namespace vdl;
using test::choose;
using test::openFrame;
using test::setSystem;
using test::popupItem;
using test::press;
using test::shownItems;
using test::tape;

namespace {

const QString Currencies = QStringLiteral("Deutsche Mark  (1,00000)|Euro  (1,95583)");

// The calculator chooses a memory system from its system list's pop-up; the new memory.
TRechnerForm* autoMemory(TMDIForm& frame, TRechnerForm* calculator, const QString& item)
{
    QAction* action = popupItem(calculator->AutoSysPopup(), item);
    if (!action)
        return nullptr;
    action->trigger();
    return frame.windows().last();
}

} // namespace

class TestAuto : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        test::pinGerman();
        test::useOwnFolders(m_dir);
    }

    void switching_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<QString>("steps"); // "Einschalten", "Ausschalten", "trennen"
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("offered"); // the link pop-up's items not greyed
        const QString unlinked = QStringLiteral("Neuen &Rechner verbinden, Neuen &Speicher verbinden");
        QTest::newRow("on without a link") << false << "Einschalten" << false << unlinked;
        QTest::newRow("on") << true << "Einschalten" << true << "Speicher &trennen, Speicher &löschen, Ausschalten";
        QTest::newRow("on and off") << true << "Einschalten Ausschalten" << false
                                    << "Speicher &trennen, Speicher &löschen, Einschalten";
        QTest::newRow("unlinking switches off") << true << "Einschalten trennen" << false << unlinked;
    }
    void switching()
    {
        QFETCH(bool, linked);
        QFETCH(QString, steps);
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        TRechnerForm* memory = frame->NewWindow(QStringLiteral("Speicher"), QString());
        if (linked)
            choose(calculator, memory->FNummer);
        for (const QString& step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("trennen"))
                popupItem(calculator->PSpeicher(), QStringLiteral("Speicher &trennen"))->trigger();
            else if (step == QLatin1String("Einschalten"))
                calculator->AutoEinClick();
            else
                calculator->AutoAusClick();
        }
        QFETCH(bool, on);
        QCOMPARE(calculator->AutoPanel->isVisible(), on);
        QCOMPARE(calculator->AutoPanel->findChild<QLabel*>()->text(), QStringLiteral("Speicherautomatik eingeschaltet!"));
        QCOMPARE(calculator->keys[RechnerCore::BProz]->isEnabled(), !on);
        // The tape's pop-up offers the same switch as the link box's.
        TRechnerForm* w = calculator;
        for (QMenu* popup : {w->PSpeicher(), w->PAutoMemo()}) {
            emit popup->aboutToShow();
            QStringList offered;
            for (QAction* a : {w->MNRechnerV, w->MNSpeicherV, w->MSpeicherTrennen, w->MSpeicherLoeschen,
                               popup == w->PSpeicher() ? w->MAutoEin : w->AutoEin,
                               popup == w->PSpeicher() ? w->MAutoAus : w->AutoAus})
                if (a->isEnabled())
                    offered << a->text();
            QTEST(offered.join(QLatin1String(", ")), "offered");
        }
    }

    void systemPopup_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("items");
        const QString fixed = QStringLiteral("Automatisch umrechnen in|Dualsystem|Quartalsystem|Oktalsystem|"
                                             "Dezimalsystem|Hexadezimalsystem|Römische Zahlen|Datum|");
        QTest::newRow("decimal") << 10 << QString(fixed).replace("Dezimalsystem", "Dezimalsystem (aus)") + Currencies;
        QTest::newRow("base 3") << 3 << fixed + Currencies;
        QTest::newRow("roman") << -1 << QString(fixed).replace("Römische Zahlen", "Römische Zahlen (aus)") + Currencies;
        QTest::newRow("date") << -2 << "Automatisch umrechnen in|Math. Datum|" + Currencies;
        QTest::newRow("currency Euro") << -4 << fixed + "Deutsche Mark  (1,00000)";
        QTest::newRow("linked") << 0 << "Automatisch umrechnen in (aus)|Dualsystem (aus)|Quartalsystem (aus)|"
                                        "Oktalsystem (aus)|Dezimalsystem (aus)|Hexadezimalsystem (aus)|"
                                        "Römische Zahlen (aus)|Datum (aus)";
    }
    void systemPopup()
    {
        QFETCH(int, system);
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        if (system == 0) {
            shownItems(calculator->AutoSysPopup()); // currency items of an earlier opening go
            choose(calculator, frame->NewWindow(QStringLiteral("Speicher"), QString())->FNummer);
        } else {
            setSystem(calculator, system);
        }
        if (system == -4)
            calculator->SelectCurrency(1);
        shownItems(calculator->AutoSysPopup()); // opening again adds no second set
        QTEST(shownItems(calculator->AutoSysPopup()).join(QLatin1Char('|')), "items");
        QCOMPARE(calculator->AutoSysPopup()->defaultAction(), calculator->AutoSys);
    }

    // A calculator opens a memory in another system and every step it takes is replayed there.
    void transfer_data()
    {
        QTest::addColumn<int>("system");       // of the calculator
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("calculatorTape");
        QTest::addColumn<QString>("memoryTape");
        QTest::addColumn<QString>("memoryDisplay");
        QTest::addColumn<QString>("memorySystem"); // and its currency panel
        QTest::newRow("hex") << 10 << "Hexadezimalsystem" << "255 + 1 ="
                             << "255+ | 1= | 256*" << "FF+ | 1= | 100*" << "100" << "16";
        QTest::newRow("hex, going on with the result") << 10 << "Hexadezimalsystem" << "255 + 1 = + 1 ="
            << "255+ | 1= | 256* | 256+ | 1= | 257*" << "FF+ | 1= | 100* | 100+ | 1= | 101*" << "101" << "16";
        QTest::newRow("roman") << 10 << "Römische Zahlen" << "1999 + 1 ="
                               << "1999+ | 1= | 2000*" << "MCMXCIX+ | I= | MM*" << "MM" << "Römisch";
        QTest::newRow("date") << 10 << "Datum" << "36526 + 30 ="
                              << "36526+ | 30= | 36556*" << "01. 01. 2000+ | 30 Tage= | 31. 01. 2000*"
                              << "31. 01. 2000" << "Datum";
        QTest::newRow("math date") << -2 << "Math. Datum" << "1.1.2000 + 30 ="
                                   << "01. 01. 2000+ | 30 Tage= | 31. 01. 2000*" << "36526+ | 30= | 36556*"
                                   << "36556" << "10";
        QTest::newRow("fraction arrives as 0") << 10 << "Dualsystem" << "0,5 + 3 ="
                                               << "0,5+ | 3= | 3,5*" << "0+ | 11= | 11*" << "11" << "2";
        QTest::newRow("zero to hex") << 10 << "Hexadezimalsystem" << "5 - 5 ="
                                     << "5- | 5= | 0*" << "5- | 5= | 0*" << "0" << "16";
        QTest::newRow("from durations, in hours") << -3 << "Dezimalsystem" << "1:30 + 0:45 ="
                                                  << "1:30+ | 0:45= | 2:15*" << "1,5+ | 0,75= | 2,25*" << "2,25" << "10";
        QTest::newRow("CA") << 10 << "Hexadezimalsystem" << "31 + CA"
                            << "31+ | Ergebnis gelöscht!{grün}" << "1F+ | Ergebnis gelöscht!{grün}" << "" << "16";
        QTest::newRow("to a currency") << 10 << "Euro  (1,95583)" << "195,583 + 195,583 ="
                                       << "195,583 DM+ | 195,583 DM= | 391,166 DM*" << "100 €+ | 100 €= | 200 €*"
                                       << "200" << "Währung €  (1,95583)";
        QTest::newRow("factors pass as they are") << 10 << "Euro  (1,95583)" << "195,583 × 2 ="
                                                  << "195,583 DM× | 2= | 391,166 DM*" << "100 €× | 2= | 200 €*"
                                                  << "200" << "Währung €  (1,95583)";
    }
    void transfer()
    {
        QFETCH(int, system);
        QFETCH(QString, item);
        QFETCH(QString, keys);
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        setSystem(calculator, system);
        TRechnerForm* memory = autoMemory(*frame, calculator, item);
        QVERIFY(memory);
        QCOMPARE(calculator->memoryWindow(), memory);
        QVERIFY(calculator->AutoPanel->isVisible());
        QVERIFY(!calculator->keys[RechnerCore::BProz]->isEnabled());
        QCOMPARE(memory->windowTitle(), QStringLiteral("Speicher2"));
        const QMdiSubWindow* mine = frame->subWindowOf(calculator);
        QCOMPARE(frame->subWindowOf(memory)->pos(), QPoint(mine->x() + mine->width(), mine->y()));
        press(calculator->core(), keys);
        QTEST(tape(calculator->core()), "calculatorTape");
        QTEST(tape(memory->core()), "memoryTape");
        QTEST(memory->EAnzeige->text(), "memoryDisplay");
        const QString panel = memory->PnlWaehrung->isHidden() ? QString() : QLatin1Char(' ') + memory->PnlWaehrung->text();
        QTEST(memory->Syst->currentText() + panel, "memorySystem");
    }

    // An amount converted for the memory is written with the regional decimal separator and
    // read there as the number it is, never as a date; the rates keep their stored form.
    void transferUnderEitherSeparator_data()
    {
        QTest::addColumn<QChar>("decimal");
        QTest::addColumn<QString>("memoryTape");
        QTest::addColumn<QString>("memoryDisplay");
        QTest::newRow("comma") << QChar(',') << "195,583 DM+ | 195,583 DM= | 391,166 DM*" << "391,166";
        QTest::newRow("point") << QChar('.') << "195.583 DM+ | 195.583 DM= | 391.166 DM*" << "391.166";
    }
    void transferUnderEitherSeparator()
    {
        QFETCH(QChar, decimal);
        test::useDecimalSeparator(decimal);
        ScriptedPrompter prompter;
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        setSystem(calculator, -4);
        calculator->SelectCurrency(1);
        TRechnerForm* memory = autoMemory(*frame, calculator, QStringLiteral("Deutsche Mark  (1,00000)"));
        QVERIFY(memory);
        press(calculator->core(), QStringLiteral("100 + 100 ="));
        QCOMPARE(tape(calculator->core()), QStringLiteral("100 €+ | 100 €= | 200 €*"));
        QTEST(tape(memory->core()), "memoryTape");
        QTEST(memory->EAnzeige->text(), "memoryDisplay");
        QCOMPARE(memory->Syst->currentText() + QLatin1Char(' ') + memory->PnlWaehrung->text(),
                 QStringLiteral("Währung DM  (1,00000)"));
        QCOMPARE(prompter.messages(), QStringList());
    }

    // A window keeps its currency when others are added or deleted; a deleted one converts
    // nothing any more rather than at another currency's rate.
    void currencyKeepsItsName_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("memoryTape");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("one added before it") << false << "100 €+" << QStringList();
        QTest::newRow("itself deleted") << true << "" << QStringList{"Der Wert ist nicht umsetzbar!"};
    }
    void currencyKeepsItsName()
    {
        QFETCH(bool, deleted);
        auto frame = openFrame();
        ScriptedPrompter prompter;
        TRechnerForm* calculator = frame->windows()[0];
        TRechnerForm* memory = autoMemory(*frame, calculator, QStringLiteral("Euro  (1,95583)"));
        CurrencyStore::write(QStringLiteral("Belgischer Franc"), QStringLiteral("bfr"), QStringLiteral("0,04848"), QString());
        if (deleted)
            CurrencyStore::remove(QStringLiteral("Euro"));
        QCOMPARE(shownItems(calculator->popWaehrung()).size(), deleted ? 1 : 2); // the lists read anew
        press(calculator->core(), QStringLiteral("195,583 +"));
        QTEST(tape(memory->core()), "memoryTape");
        QTEST(prompter.messages(), "messages");
        QCOMPARE(memory->PnlWaehrung->text(), QStringLiteral("€  (1,95583)"));
    }

    // A decimal memory with transfer switched on from its menu.
    void decimalMemory_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("memoryTape");
        QTest::newRow("negative operand counts once") << "5 - 10 = × 3 ="
            << "5- | 10= | -5* | -5× | 3= | -15*";
        QTest::newRow("no exponent on the way") << "1 ÷ 1000000 = + 1 ="
            << "1÷ | 1000000= | 1E-6* | 1E-6+ | 1= | 1,000001*";
    }
    void decimalMemory()
    {
        QFETCH(QString, keys);
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        popupItem(calculator->PSpeicher(), QStringLiteral("Neuen &Speicher verbinden"))->trigger();
        emit calculator->PSpeicher()->aboutToShow(); // opened again: "Einschalten" is offered now
        calculator->MAutoEin->trigger();
        TRechnerForm* memory = calculator->memoryWindow();
        press(calculator->core(), keys);
        QCOMPARE(tape(memory->core()), tape(calculator->core()));
        QTEST(tape(memory->core()), "memoryTape");
    }

    // A chain of three memories, each in another system, each replaying its neighbour: the
    // first made from the system pop-up, the next two by "Neuen &Speicher verbinden".
    void threeMemoriesDeep_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<int>>("systems"); // of the second and third memory
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("tapes");
        QTest::newRow("hex, binary, roman") << "Hexadezimalsystem" << QList<int>{2, -1} << "255 + 1 ="
            << QStringList{"FF+ | 1= | 100*", "11111111+ | 1= | 100000000*", "CCLV+ | I= | CCLVI*"};
        QTest::newRow("euro, mark, decimal") << "Euro  (1,95583)" << QList<int>{-4, 10} << "195,583 + 195,583 ="
            << QStringList{"100 €+ | 100 €= | 200 €*", "195,583 DM+ | 195,583 DM= | 391,166 DM*",
                           "195,583+ | 195,583= | 391,166*"};
    }
    void threeMemoriesDeep()
    {
        QFETCH(QString, item);
        QFETCH(QList<int>, systems);
        QFETCH(QString, keys);
        auto frame = openFrame();
        TRechnerForm* calculator = frame->windows()[0];
        QList<TRechnerForm*> memories{autoMemory(*frame, calculator, item)};
        for (int system : systems) {
            popupItem(memories.last()->PSpeicher(), QStringLiteral("Neuen &Speicher verbinden"))->trigger();
            memories << frame->windows().last();
            setSystem(memories.last(), system);
        }
        QVERIFY(!memories[0]->AutoPanel->isHidden());
        QVERIFY(!memories[1]->AutoPanel->isHidden());
        QVERIFY(memories[2]->AutoPanel->isHidden()); // it links nowhere
        press(calculator->core(), keys);
        QStringList tapes;
        for (const TRechnerForm* memory : memories)
            tapes << tape(memory->core());
        QTEST(tapes, "tapes");
    }
};

QTEST_MAIN(TestAuto)
#include "tst_auto.moc"
