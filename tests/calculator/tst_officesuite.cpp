// The office hand-off with a real office suite: a headless LibreOffice of the test's own,
// listening on a pipe of its own, with a text document and a spreadsheet open. The frame's
// links attach to it, "W" and "E" appear, the display reaches both documents (read back over
// the suite's own interface), and the items hide again when the suite hangs or quits.
#include "calculator/Codes.h"
#include "platform/OfficeLink.h"
#include "tests/calculator/CoreScript.h"
#include "tests/calculator/LinkScript.h"
#include "toolkit/vdlTools_dateedit.h"
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/table/CellContentType.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>
#include <csignal>
#include <unistd.h>

using namespace vdl;
namespace star = ::com::sun::star;
using rtl::OUString;
using star::uno::Any;
using star::uno::Reference;
using star::uno::UNO_QUERY;
using star::uno::UNO_QUERY_THROW;

namespace {
OUString ou(const QString& text)
{
    return OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()), sal_Int32(text.size()));
}

QString qs(const OUString& text)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getStr()), text.getLength());
}

// A headless LibreOffice with its own profile (German locale, so Calc reads "1.234,56" as a
// number) on its own pipe, and this test's own connection to it. One folder holds its profile,
// its temporary files and the test's own files. Run through scripts/office-suite.sh, the test
// names the suite's process group and that folder in the file VDL_OFFICE_STATE, so that the
// script ends the suite and removes the folder however the test ends.
class Suite {
public:
    QString pipe = QStringLiteral("vdlRechnerTest%1").arg(QString::number(getpid()));
    QTemporaryDir folder{QStringLiteral("/tmp/vdlRechnerOffice-XXXXXX")};

    // Starts it and connects; the reason when that fails.
    QString start()
    {
        if (!folder.isValid() || !record(QString()))
            return QStringLiteral("no folder for the profile");
        const QString user = folder.filePath(QStringLiteral("profile/user"));
        QDir().mkpath(user);
        QFile settings(user + QStringLiteral("/registrymodifications.xcu"));
        if (!settings.open(QIODevice::WriteOnly))
            return QStringLiteral("profile not writable");
        settings.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" oor:op="fuse"><value>de-DE</value></prop></item>
</oor:items>
)");
        settings.close();
        QString program = QStringLiteral("/usr/lib/libreoffice/program/soffice");
        if (!QFile::exists(program))
            program = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (program.isEmpty())
            return QStringLiteral("LibreOffice (soffice) is not installed");
        // A process group of its own, so that stopping and killing reach every process of it.
        m_process.setChildProcessModifier([] { setsid(); });
        // Its output never reaches the test's own, so that a suite left over after a crash of
        // the test holds up nothing that reads the test's output.
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString temporary = folder.filePath(QStringLiteral("tmp"));
        QDir().mkpath(temporary);
        environment.insert(QStringLiteral("TMPDIR"), temporary);
        m_process.setProcessEnvironment(environment);
        m_process.start(program, {QStringLiteral("--headless"), QStringLiteral("--invisible"),
                                  QStringLiteral("--norestore"), QStringLiteral("--nologo"),
                                  QStringLiteral("--nodefault"), QStringLiteral("--nolockcheck"),
                                  QStringLiteral("-env:UserInstallation=file://") + folder.filePath(QStringLiteral("profile")),
                                  QStringLiteral("--accept=pipe,name=%1;urp;").arg(pipe)});
        if (!m_process.waitForStarted(10000))
            return QStringLiteral("LibreOffice does not start: ") + m_process.errorString();
        record(QStringLiteral("group=%1\n").arg(QString::number(m_process.processId())));
        QElapsedTimer waited;
        waited.start();
        while (!connect()) {
            if (waited.elapsed() > 60000)
                return QStringLiteral("LibreOffice does not answer on its pipe within a minute");
            QTest::qWait(200);
        }
        return QString();
    }

    ~Suite()
    {
        quit();
        try {
            if (m_context.is())
                Reference<star::lang::XComponent>(m_context, UNO_QUERY_THROW)->dispose();
        } catch (...) {
        }
        // The folder first: the state file names it until it is gone.
        folder.remove();
        if (qEnvironmentVariableIsSet("VDL_OFFICE_STATE"))
            QFile::remove(qEnvironmentVariable("VDL_OFFICE_STATE"));
    }

    Reference<star::lang::XComponent> load(const char* factory)
    {
        star::uno::Sequence<star::beans::PropertyValue> hidden(1);
        hidden[0].Name = "Hidden";
        hidden[0].Value <<= true;
        const Reference<star::frame::XComponentLoader> loader(m_desktop, UNO_QUERY_THROW);
        const Reference<star::lang::XComponent> document
            = loader->loadComponentFromURL(OUString::createFromAscii(factory), "_blank", 0, hidden);
        // Hidden documents still become current with a working cursor once their frame is active.
        Reference<star::frame::XModel>(document, UNO_QUERY_THROW)->getCurrentController()->getFrame()->activate();
        return document;
    }

    void pause(bool stopped) { ::kill(-pid_t(m_process.processId()), stopped ? SIGSTOP : SIGCONT); }

    // Closes the documents and ends the suite; kills it when it does not end.
    bool quit()
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        pause(false);
        try {
            if (m_desktop.is()) {
                const Reference<star::container::XEnumeration> all = m_desktop->getComponents()->createEnumeration();
                while (all->hasMoreElements())
                    if (const Reference<star::util::XCloseable> c(all->nextElement(), UNO_QUERY); c.is())
                        c->close(true);
                m_desktop->terminate();
            }
        } catch (...) {
        }
        m_desktop.clear();
        if (m_bridge.is())
            try {
                m_bridge->dispose();
            } catch (...) {
            }
        m_bridge.clear();
        const bool ended = m_process.waitForFinished(20000);
        if (!ended) {
            ::kill(-pid_t(m_process.processId()), SIGKILL);
            m_process.waitForFinished(5000);
        }
        return ended;
    }

private:
    // Names the folder (and what else there is) in the state file, if the test keeps one.
    bool record(const QString& more)
    {
        if (!qEnvironmentVariableIsSet("VDL_OFFICE_STATE"))
            return true;
        QFile state(qEnvironmentVariable("VDL_OFFICE_STATE"));
        return state.open(QIODevice::WriteOnly | QIODevice::Truncate)
               && state.write((QStringLiteral("folder=") + folder.path() + QLatin1Char('\n') + more).toLocal8Bit()) > 0
               && state.flush();
    }

    bool connect()
    {
        try {
            if (!m_context.is()) {
                rtl::Bootstrap::set("URE_MORE_TYPES", "<file://" VDL_UNO_PROGRAM_DIR "/types>*");
                m_context = cppu::defaultBootstrap_InitialComponentContext("file://" VDL_UNO_PROGRAM_DIR "/unorc");
            }
            const auto connection = star::connection::Connector::create(m_context)->connect("pipe,name=" + ou(pipe));
            const Reference<star::bridge::XBridge> bridge = star::bridge::BridgeFactory::create(m_context)->createBridge(
                OUString(), "urp", connection, nullptr);
            m_bridge.set(bridge, UNO_QUERY_THROW);
            const Reference<star::uno::XComponentContext> remote(bridge->getInstance("StarOffice.ComponentContext"),
                                                                 UNO_QUERY_THROW);
            m_desktop = star::frame::Desktop::create(remote);
            return true;
        } catch (...) {
            return false;
        }
    }

    QProcess m_process;
    Reference<star::uno::XComponentContext> m_context;
    Reference<star::lang::XComponent> m_bridge;
    Reference<star::frame::XDesktop2> m_desktop;

public:
    // The document the suite has in front.
    bool isCurrent(const Reference<star::lang::XComponent>& document) const
    {
        return m_desktop->getCurrentComponent() == document;
    }
};

} // namespace

class TestOfficeSuite : public QObject {
    Q_OBJECT
    std::unique_ptr<Suite> suite;
    std::unique_ptr<TMDIForm> frame;
    Reference<star::lang::XComponent> writer, calc;

    // One 2-second poll of the frame, as its timer runs it: the wait first, then the tick.
    // Answers which items show afterwards ("W", "E", "WE" or "").
    QString poll()
    {
        QTest::qWait(2000);
        frame->WordTimerTimer();
        return QString(test::menuShows(*frame, QStringLiteral("W")) ? QStringLiteral("W") : QString())
               + (test::menuShows(*frame, QStringLiteral("E")) ? QStringLiteral("E") : QString());
    }

    // The active window shows the display typed in that system.
    void showDisplay(int system, const QString& keys)
    {
        TRechnerForm* window = frame->windows().constFirst();
        test::chooseSystem(window->core(), system);
        test::press(window->core(), keys);
    }

    void choose(const QString& item, int held)
    {
        SetKeyboardQuery([held] { return held; });
        (item == QLatin1String("W") ? frame->W1 : frame->E1)->trigger();
        SetKeyboardQuery(nullptr);
    }

private slots:
    void initTestCase()
    {
        OfficeLink::ignoreBrokenPipes(); // as the program starts
        test::pinGerman();
        suite = std::make_unique<Suite>();
        test::useOwnFolders(suite->folder);
        // No LibreOffice here is a failure: the hand-off would go untested.
        const QString why = suite->start();
        QVERIFY2(why.isEmpty(), qPrintable(why));
        writer = suite->load("private:factory/swriter");
        calc = suite->load("private:factory/scalc"); // current from now on
        frame = test::openFrame();
        frame->WordTimer->stop(); // the test ticks itself
        frame->Office = OfficeHandOff(OfficeLink::create(OfficeLink::WordProcessor, suite->pipe),
                                      OfficeLink::create(OfficeLink::Spreadsheet, suite->pipe));
    }

    void cleanupTestCase()
    {
        frame.reset();
        writer.clear();
        calc.clear();
        suite.reset();
    }

    // The first poll attaches, the second shows both items.
    void itemsAppearWithinTwoPolls()
    {
        frame->WordTimerTimer();
        QCOMPARE(QString(test::menuShows(*frame, QStringLiteral("W")) ? "W" : ""), QString());
        QCOMPARE(poll(), QStringLiteral("WE"));
    }

    // "W": typed at the text document's cursor (the spreadsheet is the current document),
    // then the cursor one line down.
    void toTextDocument_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("held");
        QTest::addColumn<QString>("lines");
        const int dec = NumberSystem::Decimal;
        QTest::newRow("grouped") << dec << "1 2 3 4 5 6 7 , 8 9 =" << 0 << "1.234.567,89|";
        QTest::newRow("Ctrl held") << dec << "1 2 3 4 5 6 7 , 8 9 =" << int(shift::Ctrl) << "1234567,89|";
        QTest::newRow("base 16") << 16 << "1 A 2 B 3 C =" << 0 << "1A2.B3C|";
    }
    void toTextDocument()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        QFETCH(int, held);
        QFETCH(QString, lines);
        // An empty document of two lines, the cursor at its start.
        const Reference<star::text::XText> text = Reference<star::text::XTextDocument>(writer, UNO_QUERY_THROW)->getText();
        text->setString(OUString());
        text->insertControlCharacter(text->getEnd(), star::text::ControlCharacter::PARAGRAPH_BREAK, false);
        const Reference<star::text::XTextViewCursor> cursor
            = Reference<star::text::XTextViewCursorSupplier>(
                  Reference<star::frame::XModel>(writer, UNO_QUERY_THROW)->getCurrentController(), UNO_QUERY_THROW)
                  ->getViewCursor();
        cursor->gotoStart(false);

        showDisplay(system, keys);
        choose(QStringLiteral("W"), held);
        // The document's lines, "|" between them; then the line the cursor is on.
        const auto documentLines = [&] { return qs(text->getString()).replace(QLatin1Char('\n'), QLatin1Char('|')); };
        QTRY_COMPARE_WITH_TIMEOUT(documentLines(), lines, 20000);
        const auto cursorLine = [&] {
            const Reference<star::text::XParagraphCursor> at(text->createTextCursorByRange(cursor->getStart()),
                                                             UNO_QUERY_THROW);
            int line = 1;
            while (at->gotoPreviousParagraph(false))
                ++line;
            return line;
        };
        QTRY_COMPARE_WITH_TIMEOUT(cursorLine(), 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(suite->isCurrent(writer), 20000);
    }

    // "E": into the spreadsheet's selection at B2 as if typed there; a German Calc reads the
    // grouped text as a number.
    void toSpreadsheet_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("cellText");
        const int dec = NumberSystem::Decimal;
        QTest::newRow("grouped") << dec << "1 2 3 4 5 6 7 , 8 9 =" << 0 << true << 1234567.89 << "";
        QTest::newRow("Alt held") << dec << "9 8 7 6 , 5 =" << int(shift::Alt) << true << 9876.5 << "";
        QTest::newRow("base 16") << 16 << "1 A 2 B 3 C =" << 0 << false << 0.0 << "1A2.B3C";
    }
    void toSpreadsheet()
    {
        QFETCH(int, system);
        QFETCH(QString, keys);
        QFETCH(int, held);
        QFETCH(bool, number);
        QFETCH(double, value);
        QFETCH(QString, cellText);
        const Reference<star::sheet::XSpreadsheetDocument> document(calc, UNO_QUERY_THROW);
        const Reference<star::sheet::XSpreadsheet> first(
            Reference<star::container::XIndexAccess>(document->getSheets(), UNO_QUERY_THROW)->getByIndex(0), UNO_QUERY_THROW);
        const Reference<star::table::XCellRange> b2 = first->getCellRangeByName("B2");
        const Reference<star::table::XCell> cell = b2->getCellByPosition(0, 0);
        cell->setFormula(OUString());
        Reference<star::view::XSelectionSupplier>(Reference<star::frame::XModel>(calc, UNO_QUERY_THROW)->getCurrentController(),
                                                  UNO_QUERY_THROW)
            ->select(Any(b2));

        showDisplay(system, keys);
        choose(QStringLiteral("E"), held);
        QTRY_VERIFY_WITH_TIMEOUT(cell->getType() != star::table::CellContentType_EMPTY, 20000);
        QCOMPARE(cell->getType() == star::table::CellContentType_VALUE, number);
        if (number)
            QCOMPARE(cell->getValue(), value);
        else
            QCOMPARE(qs(cell->getFormula()), cellText);
        QTRY_VERIFY_WITH_TIMEOUT(suite->isCurrent(calc), 20000);
    }

    // "E" into a range fills each of its cells; a selection of more than the most cells filled
    // (1,000) takes the text in its first cell only. The text document is in front meanwhile,
    // so that the spreadsheet coming to the front tells that the cells are written.
    void toSelectedCells_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("filled"); // which of B2, C2, B3, C3 hold the text
        QTest::newRow("four cells") << "B2:C3" << "B2 C2 B3 C3";
        QTest::newRow("more than the most cells") << "B2:C600" << "B2";
    }
    void toSelectedCells()
    {
        QFETCH(QString, selection);
        const Reference<star::sheet::XSpreadsheet> first(
            Reference<star::container::XIndexAccess>(
                Reference<star::sheet::XSpreadsheetDocument>(calc, UNO_QUERY_THROW)->getSheets(), UNO_QUERY_THROW)
                ->getByIndex(0),
            UNO_QUERY_THROW);
        const QStringList corner{"B2", "C2", "B3", "C3"};
        for (const QString& name : corner)
            first->getCellRangeByName(ou(name))->getCellByPosition(0, 0)->setFormula(OUString());
        Reference<star::view::XSelectionSupplier>(Reference<star::frame::XModel>(calc, UNO_QUERY_THROW)->getCurrentController(),
                                                  UNO_QUERY_THROW)
            ->select(Any(first->getCellRangeByName(ou(selection))));
        Reference<star::frame::XModel>(writer, UNO_QUERY_THROW)->getCurrentController()->getFrame()->activate();
        QTRY_VERIFY_WITH_TIMEOUT(suite->isCurrent(writer), 20000);

        showDisplay(NumberSystem::Decimal, "4 2 =");
        choose(QStringLiteral("E"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(suite->isCurrent(calc), 20000);
        QStringList filled;
        for (const QString& name : corner)
            if (first->getCellRangeByName(ou(name))->getCellByPosition(0, 0)->getValue() == 42)
                filled << name;
        QTEST(filled.join(QLatin1Char(' ')), "filled");
    }

    // A suite that stops answering hides both items at the second poll; the polls return at
    // once meanwhile, and the items come back once it answers again.
    void hangingSuiteHides()
    {
        suite->pause(true);
        QString shown;
        for (int tick = 0; tick < 2; ++tick)
            shown += poll() + QLatin1Char('|');
        suite->pause(false);
        for (int tick = 0; tick < 2; ++tick)
            shown += poll() + QLatin1Char('|');
        QVERIFY2(shown.section(QLatin1Char('|'), 1, 1).isEmpty(), qPrintable(shown));
        QCOMPARE(shown.section(QLatin1Char('|'), 3, 3), QStringLiteral("WE"));
    }

    // After the suite quits, both items hide within two polls.
    void quitHidesWithinTwoPolls()
    {
        writer.clear();
        calc.clear();
        QVERIFY(suite->quit());
        poll();
        QCOMPARE(poll(), QString());
        QCOMPARE(poll(), QString()); // trying to attach again finds nothing
    }
};

QTEST_MAIN(TestOfficeSuite)
#include "tst_officesuite.moc"
