#pragma once
// The current printer of the program run: one QPrinter that every print, preview, set-up and
// printer information uses. It starts at the system's default printer; a printer chosen in the
// print dialog stays chosen until the program ends.
#include <QStringList>
#include <memory>

class QPrinter;

namespace vdl {

// The installed printers. The system's list comes from CUPS; tests put in their own.
class PrinterCatalogue {
public:
    virtual ~PrinterCatalogue() = default;
    virtual QStringList names() const = 0;
    virtual QString defaultName() const = 0;
    // Points the printer at the named one.
    virtual void select(QPrinter& printer, const QString& name) const = 0;
    // The name the printer is pointed at now (a set-up dialog may have changed it).
    virtual QString nameOf(const QPrinter& printer) const = 0;
};

class PrinterSession {
public:
    static PrinterSession& instance();
    // Replaces the catalogue and starts the run afresh at its default printer; nullptr
    // brings back the system's printers.
    static void setCatalogue(std::unique_ptr<PrinterCatalogue> catalogue);

    QPrinter& printer(); // created on first use, at high resolution
    QStringList printerNames() const;
    // Position of the current printer among printerNames(); -1 when it is none of them.
    int printerIndex();
    void setPrinterIndex(int index);
    QString printerName();
    // Points another printer at the current one.
    void applyTo(QPrinter& other);

private:
    PrinterSession();
    const PrinterCatalogue& catalogue() const;

    std::unique_ptr<PrinterCatalogue> m_catalogue;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace vdl
