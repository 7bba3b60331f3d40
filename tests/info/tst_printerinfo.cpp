// The printer information as the user reads it: the 18 lines with their labels, numbers with
// the regional separator, sheet sizes rounded halves to even, a division by zero ending the
// list with its message; the dialog and its clipboard copy.
#include "info/PrinterInfo.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "tests/support/TestEnv.h"
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vdl;

namespace {

// A 600-dpi laser printer on A4 with 4.2 mm unprintable margins.
PrinterCaps laser()
{
    PrinterCaps c;
    c.name = QStringLiteral("Laser");
    c.horzSize = 202;
    c.vertSize = 289;
    c.horzRes = 4760;
    c.vertRes = 6814;
    c.offsetX = c.offsetY = 100;
    c.logPixelsX = c.logPixelsY = 600;
    c.fontCount = 42;
    c.physicalWidth = 4960;
    c.physicalHeight = 7014;
    return c;
}

} // namespace

class TestPrinterInfo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::pinGerman(); }

    void lines_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << "" << 1 << "Druckername:\tLaser";
        QTest::newRow("typewheel") << "technology 4" << 3 << "Technologie:\tZeichenfolge (Typenraddrucker)";
        QTest::newRow("width") << "" << 4 << "Druckbreite:\t202 mm (4760 Pixel)";
        QTest::newRow("left margin") << "" << 6 << "Linker Rand:\t4,2 mm (100 Pixel)";
        QTest::newRow("dpi vertical") << "" << 9 << "Auslösung vertikal:\t600 DPI";
        QTest::newRow("sheet height") << "" << 16 << "BlattHoehe\t297";
        QTest::newRow("half down to even") << "width 2105 at 254" << 15 << "Blattbreite:\t210";
        QTest::newRow("half up to even") << "width 2115 at 254" << 15 << "Blattbreite:\t212";
        QTest::newRow("mm per pixel horizontal") << "" << 17 << "mm pro Pixel horiz\t0,0423";
        QTest::newRow("no width: error ends the list") << "horzRes 0" << 6 << "Gleitkommadivision durch Null";
        QTest::newRow("no dpi: error ends the list") << "dpi 0" << 15 << "Gleitkommadivision durch Null";
    }
    void lines()
    {
        QFETCH(QString, change);
        QFETCH(int, line);
        PrinterCaps c = laser();
        if (change == QLatin1String("technology 4"))
            c.technology = 4;
        else if (change.startsWith(QLatin1String("width")))
            c.physicalWidth = change.section(QLatin1Char(' '), 1, 1).toInt(), c.logPixelsX = 254;
        else if (change == QLatin1String("horzRes 0"))
            c.horzRes = 0;
        else if (change == QLatin1String("dpi 0"))
            c.logPixelsX = c.logPixelsY = 0;
        const PrinterInfoLines info = printerInfoLines(c);
        QTEST(info.lines.value(line - 1), "text");
        // An error is the last line; otherwise all 18 are there.
        QCOMPARE(info.lines.size(), info.error.isEmpty() ? 18 : line);
        QCOMPARE(info.error.isEmpty(), !change.endsWith(QLatin1String(" 0")));
    }

    // The dialog on the current printer (Qt's PDF printer, when none is installed): caption,
    // 18 lines, and the copy with CR LF after each.
    void dialog()
    {
        ScriptedPrompter prompter;
        QString caption, copied, close;
        int count = 0;
        prompter.dialogScripts << [&](QDialog& d) {
            caption = d.windowTitle();
            count = d.findChild<QListWidget*>(QStringLiteral("Info"))->count();
            close = d.findChild<QPushButton*>(QStringLiteral("BtnSchliessen"))->text();
            d.findChild<QPushButton*>(QStringLiteral("BtnZwischenablage"))->click();
            copied = QApplication::clipboard()->text();
            return int(QDialog::Accepted);
        };
        ShowPrinterInfo(nullptr);
        QCOMPARE(caption, QStringLiteral("Drucker-Information"));
        QCOMPARE(close, QStringLiteral("Schli&eßen"));
        QCOMPARE(count, 18);
        QCOMPARE(copied.count(QStringLiteral("\r\n")), 18);
        QVERIFY2(copied.contains(QStringLiteral("\r\nTechnologie:\tRaster-Drucker\r\n")), qPrintable(copied));
    }
};

QTEST_MAIN(TestPrinterInfo)
#include "tst_printerinfo.moc"
