#include "platform/PrinterSession.h"
#include <QPrinter>
#include <QPrinterInfo>

namespace vdl {

namespace {

class SystemPrinters : public PrinterCatalogue {
public:
    QStringList names() const override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultName() const override { return QPrinterInfo::defaultPrinterName(); }
    void select(QPrinter& printer, const QString& name) const override
    {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(name);
    }
    QString nameOf(const QPrinter& printer) const override
    {
        return printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString();
    }
};

} // namespace

PrinterSession::PrinterSession() : m_catalogue(std::make_unique<SystemPrinters>()) {}

PrinterSession& PrinterSession::instance()
{
    static PrinterSession session;
    return session;
}

void PrinterSession::setCatalogue(std::unique_ptr<PrinterCatalogue> catalogue)
{
    PrinterSession& session = instance();
    session.m_catalogue = catalogue ? std::move(catalogue) : std::make_unique<SystemPrinters>();
    session.m_printer.reset();
}

const PrinterCatalogue& PrinterSession::catalogue() const
{
    return *m_catalogue;
}

QPrinter& PrinterSession::printer()
{
    if (!m_printer) {
        // Without any installed printer this stays Qt's PDF printer, which has no file to
        // write to: printing then fails and says so.
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QString name = catalogue().defaultName();
        if (!name.isEmpty())
            catalogue().select(*m_printer, name);
    }
    return *m_printer;
}

QStringList PrinterSession::printerNames() const
{
    return catalogue().names();
}

QString PrinterSession::printerName()
{
    return catalogue().nameOf(printer());
}

int PrinterSession::printerIndex()
{
    const QString name = printerName();
    return name.isEmpty() ? -1 : int(printerNames().indexOf(name));
}

void PrinterSession::setPrinterIndex(int index)
{
    const QStringList names = printerNames();
    if (index >= 0 && index < names.size())
        catalogue().select(printer(), names[index]);
}

void PrinterSession::applyTo(QPrinter& other)
{
    const QString name = printerName();
    if (!name.isEmpty())
        catalogue().select(other, name);
}

} // namespace vdl
