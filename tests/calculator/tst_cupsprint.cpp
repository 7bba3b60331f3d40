// A tape printed for real through the print service: the PDF queue "vdlPDF" that
// scripts/cups-pdf.sh sets up is chosen in the print dialog, the tape printed, and the PDF the
// queue writes is read back. Without the queue this test fails: printing is then untested.
#include "calculator/DruckStart.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/calculator/PdfProbe.h"
#include "tests/support/TestEnv.h"
#include <QComboBox>
#include <QDirIterator>
#include <QPushButton>
#include <pwd.h>
#include <unistd.h>

using namespace vdl;
using namespace vdl::test;

class TestCupsPrint : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void printsThroughQueue()
    {
        pinGerman();
        useOwnFolders(m_dir);
        PrinterSession::setCatalogue(nullptr);
        const QString queue = QStringLiteral("vdlPDF");
        QVERIFY2(PrinterSession::instance().printerNames().contains(queue),
                 "no printer queue vdlPDF: run scripts/cups-pdf.sh (cups, printer-driver-cups-pdf)");
        // The PDF back end writes into PDF/ in the home folder of the job's owner.
        const passwd* user = getpwuid(getuid());
        QVERIFY(user);
        const QString out = QString::fromLocal8Bit(user->pw_dir) + QStringLiteral("/PDF");
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);

        TMDIForm frame;
        frame.show();
        TRechnerForm* window = frame.windows().first();
        window->InputProcessing(QStringLiteral("1234,5+4321="), false);

        ScriptedPrompter prompter;
        prompter.dialogScripts << [&](QDialog& d) {
            auto* list = d.findChild<QComboBox*>(QStringLiteral("CbxDrucker"));
            const int index = list->findText(queue);
            list->setCurrentIndex(index);
            emit list->activated(index);
            d.findChild<QPushButton*>(QStringLiteral("BtnDrucken"))->click();
            return int(QDialog::Rejected);
        };
        ShowPrintDialog(window, true, false);
        QVERIFY2(prompter.messages().isEmpty(), qPrintable(prompter.messages().join(QLatin1Char('\n'))));

        QString printed;
        for (int wait = 0; wait < 300 && printed.isEmpty(); ++wait) {
            QTest::qWait(100);
            for (QDirIterator it(out, {QStringLiteral("*.pdf")}, QDir::Files); it.hasNext();) {
                const QString file = it.next();
                if (QFileInfo(file).lastModified() >= started && file.contains(QLatin1String("Rechner1")))
                    printed = file;
            }
        }
        QVERIFY2(!printed.isEmpty(), qPrintable(QStringLiteral("no PDF from the queue in ") + out));
        QTest::qWait(500); // the back end may still be writing
        const QString text = pdfText(printed);
        QVERIFY2(text.contains(QLatin1String("06.12.2026 12:00:00")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("1234,5 +")) && text.contains(QLatin1String("5555,5")), qPrintable(text));
        QFile::remove(printed);
    }
};

QTEST_MAIN(TestCupsPrint)
#include "tst_cupsprint.moc"
