#pragma once
// The print dialog "Standard-Druckdialog-Basis": the user picks the printer, may set it up or
// look at its capabilities, then previews or prints. The printer chosen here stays the current
// printer for the rest of the run, even when the dialog is cancelled.
#include "toolkit/vdlTools_forms.h"
#include <QDialog>

class QComboBox;

namespace vdl {

class TRechnerForm;

class TfDruckStart : public QDialog, public TFormXP {
    Q_OBJECT
public:
    explicit TfDruckStart(QWidget* parent = nullptr);

    TRechnerForm* Rechner = nullptr;
    bool HistoryMode = false; // print the window's tape; without it both commands only close
    bool MarkedOnly = false;

    // Prints or previews, then closes the dialog. A print the printer refused leaves it open.
    virtual void DoPrint(bool Preview, bool MarkedOnly);
    void done(int r) override;

    QComboBox* CbxDrucker = nullptr;

private:
    void BtnEinrichtenClick();
};

// Opens the print dialog for the window's tape: every line, or only the marked ones.
void ShowPrintDialog(TRechnerForm* Rechner, bool HistoryMode, bool MarkedOnly);

// The printer set-up of the current printer ("Drucke&r einrichten").
void ShowPrinterSetup(QWidget* parent);

} // namespace vdl
