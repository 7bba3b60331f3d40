// What windows get from the frame: the shared currency lists, rates, and walks along links.
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "dates/CurrencyStore.h"
#include "platform/Error.h"
#include "platform/ExeDir.h"
#include "platform/NumText.h"
#include "tests/support/TestEnv.h"
#include "toolkit/SettingsStore.h"
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace vdl;

namespace {
std::unique_ptr<TMDIForm> openFrame()
{
    auto frame = std::make_unique<TMDIForm>();
    frame->show();
    return frame;
}

QStringList captions(const QList<CurrencyCatalog::MenuItem>& items)
{
    QStringList list;
    for (const auto& item : items)
        list << item.caption;
    return list;
}

void setSystem(TRechnerForm* w, int system)
{
    w->core().SetSystem(system);
    w->core().SystChange();
}

void link(TRechnerForm* window, const TRechnerForm* memory)
{
    window->Kombi->setCurrentIndex(window->Kombi->findData(memory->FNummer));
}
} // namespace

class TestFrameHost : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { test::pinGerman(); }
    void init()
    {
        test::pinGerman();
        SettingsStore::setDir(m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag()));
        setExeDir(m_dir.path());
    }

    void currencyMenuTexts_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("no currency shown") << -1 << QStringList{"Deutsche Mark  (1,00000)", "Euro  (1,95583)"};
        QTest::newRow("showing Euro") << 1 << QStringList{"Deutsche Mark  (1,00000)"};
        QTest::newRow("showing DM") << 0 << QStringList{"Euro  (1,95583)"};
    }
    void currencyMenuTexts()
    {
        QFETCH(int, own);
        QFETCH(QStringList, items);
        auto frame = openFrame();
        QCOMPARE(captions(frame->Currencies.Fill(own)), items);
        QCOMPARE(frame->Currencies.CurrencyNames.strings(), QStringList({"Deutsche Mark", "Euro"}));
    }

    void windowShowsChosenCurrency()
    {
        auto frame = openFrame();
        TRechnerForm* w = frame->windows()[0];
        setSystem(w, -4);
        QCOMPARE(w->PnlWaehrung->text(), QStringLiteral("DM  (1,00000)"));
        QCOMPARE(w->PnlWaehrung->toolTip(), QStringLiteral("Deutsche Mark"));
        w->popWaehrung->hide();
        emit w->popWaehrung->aboutToShow();
        QCOMPARE(w->popWaehrung->actions().size(), 1);
        QCOMPARE(w->popWaehrung->actions()[0]->text(), QStringLiteral("Euro  (1,95583)"));
    }

    void rateUnderAnySeparator_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::newRow("comma") << QChar(',');
        QTest::newRow("point") << QChar('.');
    }
    void rateUnderAnySeparator()
    {
        QFETCH(QChar, separator);
        auto frame = openFrame();
        Regional regional = Regional::german();
        regional.decimalSeparator = separator;
        Regional::set(regional);
        TRechnerForm* w = frame->windows()[0];
        frame->Currencies.Fill(-1);
        w->core().PnlWaehrung.Tag = 1;
        QCOMPARE(frame->CurrencyRate(w->core()), 1.95583L);
    }

    // The position a window holds is not moved when the list changes under it.
    void positionsAreNotRemapped()
    {
        auto frame = openFrame();
        CurrencyStore::write(QStringLiteral("Zloty"), QStringLiteral("zł"), QStringLiteral("0,50000"), QStringLiteral("01. 01. 2002"));
        TRechnerForm* w = frame->windows()[0];
        frame->Currencies.Fill(-1);
        w->core().SelectCurrency(1);
        QCOMPARE(w->core().PnlWaehrung.caption, QStringLiteral("€  (1,95583)"));
        CurrencyStore::remove(QStringLiteral("Deutsche Mark"));
        QCOMPARE(captions(frame->Currencies.Fill(1)), QStringList({"Euro  (1,95583)"}));
        QCOMPARE(FloatToStr(frame->CurrencyRate(w->core())), QStringLiteral("0,5"));
        QCOMPARE(w->core().PnlWaehrung.caption, QStringLiteral("€  (1,95583)"));
    }

    void positionOutsideTheList()
    {
        auto frame = openFrame();
        frame->Currencies.Fill(-1);
        try {
            frame->Currencies.Rate(5);
            QFAIL("no error");
        } catch (const Error& e) {
            QCOMPARE(e.message(), QStringLiteral("Listenindex überschreitet das Maximum (5)"));
        }
    }

    void leavingCurrencyFollowsLinks()
    {
        auto frame = openFrame();
        frame->MNeuenSpeicherClick();
        frame->MNeuenSpeicherClick();
        frame->MNeuenSpeicherClick();
        const QList<TRechnerForm*> w = frame->windows();
        link(w[0], w[1]);
        link(w[1], w[2]);
        link(w[2], w[3]);
        link(w[3], w[1]); // a cycle must end the walk, not hang it
        setSystem(w[0], -4);
        setSystem(w[1], -4);
        setSystem(w[2], 16);
        setSystem(w[3], -4);
        setSystem(w[0], 10);
        QCOMPARE(w[1]->core().FSystem, 10);
        QVERIFY(!w[1]->core().PnlWaehrung.visible);
        QCOMPARE(w[2]->core().FSystem, 16); // not in the currency system: keeps its own
        QCOMPARE(w[3]->core().FSystem, 10);
        QCOMPARE(w[3]->core().PnlWaehrung.Tag, -1);
    }

    void memoryKeysGoToItsCalculators()
    {
        auto frame = openFrame();
        TRechnerForm* memory = frame->NewWindow(QStringLiteral("Speicher"), QString());
        TRechnerForm* other = frame->NewWindow(QStringLiteral("Rechner"), QString());
        TRechnerForm* linked = frame->NewWindow(QStringLiteral("Rechner"), QString());
        link(frame->windows()[0], memory);
        link(linked, memory);
        link(other, linked);
        frame->passKeyToCalculators(memory->core(), QStringLiteral("7"));
        QCOMPARE(frame->windows()[0]->Eingabe->text(), QStringLiteral("7"));
        QCOMPARE(linked->Eingabe->text(), QStringLiteral("7"));
        QCOMPARE(other->Eingabe->text(), QString());
        QCOMPARE(memory->Eingabe->text(), QString());
        QCOMPARE(frame->activeWindow(), linked);
    }
};

QTEST_MAIN(TestFrameHost)
#include "tst_frame_host.moc"
