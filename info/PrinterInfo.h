#pragma once
// "Drucker-Information": the capabilities of the current printer as lines "label TAB value",
// copied to the clipboard on request.
#include <QDialog>
#include <QStringList>

class QListWidget;
class QPrinter;

namespace vdl {

// What a printer tells about itself; sizes in millimetres, the rest in device pixels.
struct PrinterCaps {
    QString name;
    int driverVersion = 0;
    int technology = 2; // index into the technology names; 2 is a raster printer
    int horzSize = 0, vertSize = 0; // printable area, mm
    int horzRes = 0, vertRes = 0;   // printable area, pixels
    int offsetX = 0, offsetY = 0;   // unprintable margin, pixels
    int logPixelsX = 0, logPixelsY = 0;
    int numBrushes = -1, numPens = -1, numMarkers = 0, numColors = -1;
    int fontCount = 0;
    int physicalWidth = 0, physicalHeight = 0; // whole sheet, pixels
};

PrinterCaps printerCapsOf(const QPrinter& printer);

// The 18 lines of the dialog. A division by zero ends them with the error's text in place of
// the line that needed it; error then holds that text.
struct PrinterInfoLines {
    QStringList lines;
    QString error;
};
PrinterInfoLines printerInfoLines(const PrinterCaps& caps);

class TfPrinterInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfPrinterInfo(const QStringList& lines, QWidget* parent = nullptr);
    QListWidget* Info = nullptr;

private:
    void BtnZwischenablageClick();
};

// Reads the current printer and shows its lines; an error while reading is shown first, the
// dialog then opens with the lines read until then.
void ShowPrinterInfo(QWidget* owner);

} // namespace vdl
