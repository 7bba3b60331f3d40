// Printing a tape as the user meets it: the print dialog with its printer list, set-up,
// preview and printing; the printed pages read back from PDF (pages, headers, columns,
// weights, places in millimetres); a printer that refuses.
#include "calculator/DruckStart.h"
#include "calculator/HistoryDruck.h"
#include "calculator/Rechner.h"
#include "calculator/RechnerMDI.h"
#include "info/PrinterInfo.h"
#include "platform/Clock.h"
#include "platform/PrinterSession.h"
#include "platform/Prompter.h"
#include "tests/calculator/LinkScript.h"
#include "tests/calculator/PdfProbe.h"
#include "tests/support/TestEnv.h"
#include <QComboBox>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

using namespace vdl;
using namespace vdl::test;

namespace {

// Printers that write PDF files named after them into one folder.
class PdfPrinters : public PrinterCatalogue {
public:
    explicit PdfPrinters(QString folder) : m_folder(std::move(folder)) {}
    QStringList names() const override { return {QStringLiteral("Büro"), QStringLiteral("Labor")}; }
    QString defaultName() const override { return QStringLiteral("Büro"); }
    void select(QPrinter& printer, const QString& name) const override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_folder + QLatin1Char('/') + name + QStringLiteral(".pdf"));
    }
    QString nameOf(const QPrinter& printer) const override
    {
        return QFileInfo(printer.outputFileName()).completeBaseName();
    }

private:
    QString m_folder;
};

// Tape lines as stored, "|" between lines; a leading ">" marks a line.
void setTape(TRechnerForm* window, const QString& tape)
{
    window->core().History.clear();
    QList<int> marked;
    for (QString line : tape.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1Char('>'))) {
            marked << int(window->core().History.size());
            line.remove(0, 1);
        }
        window->core().History << RechnerCore::TapeLine{line.replace(QStringLiteral("V"), QChar(0xD6)), 0};
    }
    emit window->core().changed();
    window->History->clearSelection();
    for (int row : marked)
        window->History->item(row)->setSelected(true);
}

QPushButton* button(QDialog& d, const char* name)
{
    return d.findChild<QPushButton*>(QLatin1String(name));
}

QString rowText(const HistoryRow& row)
{
    const auto cell = [](const HistoryCell& c) {
        return c.count + QLatin1Char(' ') + c.number + QLatin1Char(' ') + c.op + (c.bold ? QStringLiteral(" B") : QString());
    };
    return cell(row.left).trimmed() + QStringLiteral(" / ") + cell(row.right).trimmed();
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<TMDIForm> m_frame;
    TRechnerForm* m_window = nullptr;

    QString m_folder; // of the test's printers

    QString printed(const QString& printer) const { return m_folder + QLatin1Char('/') + printer + QStringLiteral(".pdf"); }

    // Prints the window's tape through the dialog on the printer chosen there; the PDF's name.
    QString printThroughDialog(bool markedOnly)
    {
        QFile::remove(printed(QStringLiteral("Büro")));
        ScriptedPrompter prompter;
        prompter.dialogScripts << [](QDialog& d) {
            button(d, "BtnDrucken")->click();
            return int(QDialog::Rejected);
        };
        ShowPrintDialog(m_window, true, markedOnly);
        return printed(QStringLiteral("Büro"));
    }

private slots:
    void initTestCase()
    {
        pinGerman();
        Clock::pin(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4)));
    }
    void init()
    {
        useOwnFolders(m_dir);
        m_folder = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + QTest::currentDataTag() + QStringLiteral("-pdf"));
        QDir().mkpath(m_folder);
        PrinterSession::setCatalogue(std::make_unique<PdfPrinters>(m_folder));
        m_frame = openFrame();
        m_window = m_frame->windows().first();
    }
    void cleanup() { m_frame.reset(); }

    void splitLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("cell");
        QTest::newRow("count") << "3#12,5+" << "#3 12,5 +";
        QTest::newRow("no count") << "12,5-" << "12,5 -";
        QTest::newRow("result bold") << "8*" << "8 * B";
        QTest::newRow("equals not bold") << "3=" << "3 =";
        QTest::newRow("root sign") << "2#9V" << "#2 9 √";
        QTest::newRow("second hash") << "12#1#5=" << "#12 5 =";
        QTest::newRow("cleared") << "Ergebnis gelöscht!" << "Ergebnis gelöscht !";
    }
    void splitLine()
    {
        QFETCH(QString, line);
        const HistoryCell c = vdl::splitLine(line.replace(QStringLiteral("V"), QChar(0xD6)));
        QTEST(rowText({c, {}}).section(QStringLiteral(" /"), 0, 0), "cell");
    }

    void headerText_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("header");
        QTest::newRow("decimal") << 10 << "07.03.2026 09:05:04  ";
        QTest::newRow("currency") << -4 << "07.03.2026 09:05:04  -  DM  (1,00000)";
        QTest::newRow("roman") << -1 << "07.03.2026 09:05:04  -  (Römische Zahlen)";
        QTest::newRow("date") << -2 << "07.03.2026 09:05:04  -  (Datum)";
        QTest::newRow("time") << -3 << "07.03.2026 09:05:04  -  (Zeit)";
        QTest::newRow("2") << 2 << "07.03.2026 09:05:04  -  (Dualsystem)";
        QTest::newRow("4") << 4 << "07.03.2026 09:05:04  -  (Quartalsyste)";
        QTest::newRow("8") << 8 << "07.03.2026 09:05:04  -  (Oktalsystem)";
        QTest::newRow("16") << 16 << "07.03.2026 09:05:04  -  (Hexadezimalsystem)";
        QTest::newRow("3") << 3 << "07.03.2026 09:05:04  -  (System zur Basis 3)";
        QTest::newRow("32") << 32 << "07.03.2026 09:05:04  -  (System zur Basis 32)";
    }
    void headerText()
    {
        QFETCH(int, system);
        QTEST(vdl::headerText(system, QStringLiteral("DM  (1,00000)"), Clock::now()), "header");
    }

    // Tapes "|"-separated, ">" marks a line; "-" for no partner.
    void buildRows_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("markedOnly");
        QTest::addColumn<QString>("rows");
        QTest::newRow("alone") << "5+|3=|8*" << "-" << false << "5 + / | 3 = / | 8 * B /";
        QTest::newRow("longer partner") << "5+" << "1+|2+|3*" << false << "5 + / 1 + | / 2 + | / 3 * B";
        QTest::newRow("result beside operand keeps own weight") << "8*" << "2+" << false << "8 * B / 2 +";
        QTest::newRow("marked in one tape") << ">5+|3+|>8*" << "1+|>2+|3+" << true << "5 + / | / 2 + | 8 * B /";
        QTest::newRow("nothing marked") << "5+|3+" << "1+" << true << "";
        QTest::newRow("empty tape") << "" << "-" << false << "";
    }
    void buildRows()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, markedOnly);
        const auto tape = [](const QString& text) {
            PrintedTape t;
            for (QString line : text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
                t.marked << line.startsWith(QLatin1Char('>'));
                t.lines << line.remove(QLatin1Char('>'));
            }
            return t;
        };
        const PrintedTape partner = tape(second);
        QStringList rows;
        for (const HistoryRow& row : vdl::buildRows(tape(first), second == QLatin1String("-") ? nullptr : &partner, markedOnly))
            rows << rowText(row).trimmed();
        QTEST(rows.join(QStringLiteral(" | ")), "rows");
    }

    // Every print command of the window opens the print dialog for its tape.
    void printCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("markedOnly");
        QTest::newRow("menu Datei") << "&Drucken" << false;
        QTest::newRow("tape key") << "BHistDruck" << false;
        QTest::newRow("pop-up Historie") << "Historie/Drucken" << false;
        QTest::newRow("pop-up Markierung") << "Markierung/Drucken" << true;
    }
    void printCommands()
    {
        QFETCH(QString, command);
        ScriptedPrompter prompter;
        QString seen;
        bool marked = false;
        prompter.dialogScripts << [&](QDialog& d) {
            auto& dialog = dynamic_cast<TfDruckStart&>(d);
            seen = d.objectName() + (dialog.Rechner == m_window && dialog.HistoryMode ? QString() : QStringLiteral(" ?"));
            marked = dialog.MarkedOnly;
            return int(QDialog::Rejected);
        };
        if (command == QLatin1String("&Drucken")) {
            QVERIFY(m_window->MDrucken->isEnabled());
            m_window->MDrucken->trigger();
        } else if (command == QLatin1String("BHistDruck")) {
            auto* key = m_window->findChild<QPushButton*>(command);
            QVERIFY(key->isEnabled());
            key->click();
        } else {
            QAction* item = nullptr;
            for (QAction* sub : m_window->PAutoMemo()->actions())
                if (sub->menu() && sub->text() == command.section(QLatin1Char('/'), 0, 0))
                    item = popupItem(sub->menu(), QStringLiteral("Drucken"));
            QVERIFY(item && item->isEnabled());
            item->trigger();
        }
        QCOMPARE(seen, QStringLiteral("fDruckStart"));
        QTEST(marked, "markedOnly");
    }

    void dialog()
    {
        ScriptedPrompter prompter;
        QStringList seen;
        prompter.dialogScripts << [&](QDialog& d) {
            seen << d.objectName() << d.windowTitle() << QString::number(d.width()) + QLatin1Char('x') + QString::number(d.height());
            for (const char* name : {"BtnDetails", "BtnEinrichten", "BtnAbbrechen", "BtnVorschau", "BtnDrucken"})
                seen << button(d, name)->text() + (button(d, name)->autoDefault() ? QStringLiteral(" (Vorgabe)") : QString());
            auto* list = d.findChild<QComboBox*>(QStringLiteral("CbxDrucker"));
            seen << QStringList{list->itemText(0), list->itemText(1)}.join(QLatin1Char(',')) << list->currentText();
            // A choice holds at once and stays after the dialog is cancelled.
            list->setCurrentIndex(1);
            emit list->activated(1);
            button(d, "BtnAbbrechen")->click();
            return int(QDialog::Accepted);
        };
        prompter.dialogScripts << [&](QDialog& d) {
            seen << d.findChild<QComboBox*>(QStringLiteral("CbxDrucker"))->currentText();
            return int(QDialog::Rejected);
        };
        ShowPrintDialog(m_window, true, false);
        ShowPrintDialog(m_window, true, false);
        QCOMPARE(seen.join(QLatin1String(" | ")),
                 QStringLiteral("fDruckStart | Standard-Druckdialog-Basis | 452x149 | De&tails | Ein&richten | "
                                "Abbre&chen | &Vorschau | &Drucken | Büro,Labor | Büro | Labor"));
        QVERIFY(!QFile::exists(printed(QStringLiteral("Labor"))));
    }

    // Which button, with or without the tape, and what follows: the file printed, the preview
    // shown, whether the dialog closed.
    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("historyMode");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("print") << "BtnDrucken" << true << "gedruckt, geschlossen";
        QTest::newRow("preview") << "BtnVorschau" << true << "Vorschau 1 Seite(n), geschlossen";
        QTest::newRow("print without tape mode") << "BtnDrucken" << false << "geschlossen";
        QTest::newRow("preview without tape mode") << "BtnVorschau" << false << "geschlossen";
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(bool, historyMode);
        setTape(m_window, QStringLiteral("5+|3=|8*"));
        ScriptedPrompter prompter;
        QStringList outcome;
        prompter.dialogScripts << [&](QDialog& d) {
            button(d, command.toLatin1().constData())->click();
            if (QFile::exists(printed(QStringLiteral("Büro"))))
                outcome << QStringLiteral("gedruckt");
            if (!d.isVisible())
                outcome << QStringLiteral("geschlossen");
            return int(QDialog::Rejected);
        };
        prompter.dialogScripts << [&](QDialog& d) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(&d);
            auto* pages = d.findChild<QPrintPreviewWidget*>();
            if (preview && pages) {
                pages->updatePreview();
                outcome << QStringLiteral("Vorschau %1 Seite(n)").arg(pages->pageCount());
            }
            return int(QDialog::Rejected);
        };
        TfDruckStart dialog;
        dialog.Rechner = m_window;
        dialog.HistoryMode = historyMode;
        Prompter::current().runDialog(dialog);
        QTEST(outcome.join(QStringLiteral(", ")), "outcome");
    }

    // A printer that cannot start: an error box, the dialog stays open, nothing printed.
    void refusingPrinter()
    {
        setTape(m_window, QStringLiteral("5+"));
        PrinterSession::setCatalogue(std::make_unique<PdfPrinters>(m_dir.filePath(QStringLiteral("fehlt"))));
        ScriptedPrompter prompter;
        bool open = false;
        prompter.dialogScripts << [&](QDialog& d) {
            button(d, "BtnDrucken")->click();
            open = d.isVisible();
            return int(QDialog::Rejected);
        };
        ShowPrintDialog(m_window, true, false);
        QVERIFY(open);
        QCOMPARE(prompter.calls.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(prompter.messages(),
                 QStringList{QStringLiteral("Der Drucker konnte nicht angesprochen werden. Es wurde nichts gedruckt.")});
    }

    // The set-up dialog changes the printer; the list follows.
    void setupSwitchesPrinter()
    {
        ScriptedPrompter prompter;
        QString chosen;
        prompter.dialogScripts << [&](QDialog& d) {
            button(d, "BtnEinrichten")->click();
            chosen = d.findChild<QComboBox*>(QStringLiteral("CbxDrucker"))->currentText();
            return int(QDialog::Rejected);
        };
        prompter.dialogScripts << [&](QDialog& d) {
            auto& setup = dynamic_cast<QPrintDialog&>(d);
            setup.printer()->setOutputFileName(printed(QStringLiteral("Labor")));
            return int(QDialog::Accepted);
        };
        ShowPrintDialog(m_window, true, false);
        QCOMPARE(chosen, QStringLiteral("Labor"));
    }

    void pageCount_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty tape") << 0 << 1;
        QTest::newRow("51 lines") << 51 << 1;
        QTest::newRow("52 lines") << 52 << 2;
        QTest::newRow("103 lines") << 103 << 3;
    }
    void pageCount()
    {
        QFETCH(int, lines);
        QStringList tape;
        for (int i = 1; i <= lines; ++i)
            tape << QString::number(i) + QLatin1Char('+');
        setTape(m_window, tape.join(QLatin1Char('|')));
        const QString pdf = printThroughDialog(false);
        QTEST(pdfPages(pdf), "pages");
        // The header with the same time on every page.
        for (int page = 1; page <= pdfPages(pdf); ++page)
            QVERIFY2(pdfText(pdf, page).contains(QLatin1String("07.03.2026 09:05:04")), qPrintable(pdfText(pdf, page)));
    }

    // Only the marked lines, as the tape shows them marked.
    void markedLines_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("runs");
        QTest::newRow("two marked") << ">5+|3+|>8*" << "*07.03.2026 09:05:04* | 5 + | *8 **";
        QTest::newRow("none marked: header alone") << "5+|3+" << "*07.03.2026 09:05:04*";
    }
    void markedLines()
    {
        QFETCH(QString, tape);
        setTape(m_window, tape);
        QTEST(pdfRuns(printThroughDialog(true)).join(QLatin1String(" | ")), "runs");
    }

    // One column: the window alone, a result bold, the right column's frame not drawn.
    void oneColumn()
    {
        setTape(m_window, QStringLiteral("1#5+|2#3=|8*"));
        const QString pdf = printThroughDialog(false);
        QCOMPARE(pdfRuns(pdf).join(QLatin1String(" | ")),
                 QStringLiteral("*07.03.2026 09:05:04* | #1 | 5 + | #2 | 3 = | *8 **"));
        const QImage page = pdfPicture(pdf);
        QCOMPARE(QSize(qRound(page.width() / 10.0), qRound(page.height() / 10.0)), QSize(210, 297)); // A4
        QCOMPARE(placesNear(darkAcross(page, 20 + 1.5), {20.0, 103.1}), QStringLiteral("20.0 103.1"));
        QCOMPARE(placesNear(darkAcross(page, 20 + 10.8 + 0.3), {20.0, 103.1}), QStringLiteral("20.0 103.1"));
        QVERIFY(QString(runTool(QStringLiteral("pdffonts"), {pdf})).contains(QLatin1String("Bold")));
    }

    // Two columns: the partner's tape beside, each label at its place in millimetres.
    void twoColumns()
    {
        TRechnerForm* memory = m_frame->NewWindow(QStringLiteral("Speicher"), QString());
        choose(m_window, memory->FNummer);
        memory->core().FSystem = 16;
        setTape(m_window, QStringLiteral("1#5+|8*"));
        setTape(memory, QStringLiteral("2#7-|1#9+|A*"));
        const QString pdf = printThroughDialog(false);
        // Both headers; a result bold in its own column only; the shorter tape's column empty.
        QCOMPARE(pdfRuns(pdf).join(QLatin1String(" | ")),
                 QStringLiteral("*07.03.2026 09:05:04* | *07.03.2026 09:05:04  -  (Hexadezimalsystem)* | #1 | 5 + | "
                                "#2 | 7 - | *8 ** | #1 | 9 + | *A **"));
        const QImage page = pdfPicture(pdf);
        QCOMPARE(placesNear(darkAcross(page, 20 + 1.5), {20.0, 103.1, 187.7}), QStringLiteral("20.0 103.1 187.7"));
        // Each header centred over its column; the left one's two closing blanks count too.
        QCOMPARE(placesNear({inkMiddle(page, 22.6, 27, 20.5, 102.8), inkMiddle(page, 22.6, 27, 103.5, 187.4)}, {60.6, 145.4}),
                 QStringLiteral("60.6 145.4"));
        // Ink of the first row from the paper's edge, glyphs' own margins allowed for: line,
        // count, end of the number, operator, line, the same in the right column, line.
        const QList<double> ink = inkAcross(page, 31.2, 34.5);
        QCOMPARE(missingPlaces(ink, {20.0, 21.1, 94.8, 95.7, 103.1, 105.7, 180.3, 180.9, 187.7}, 0.6), QString());
        QCOMPARE(ink.size(), 2 * 9);
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
