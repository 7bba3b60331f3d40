#pragma once
// "Produktinformation": the program's picture, name and version, the maker's address, the
// terms of use and a strip that opens the maker's web page. "Kurzanleitung" writes and opens
// the short guide while the dialog stays open.
#include "toolkit/vdlTools_forms.h"
#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace vdl {

class TfvdlRechInfo : public QDialog, public TFormXP {
    Q_OBJECT
public:
    // Version: the caption of the frame's version label ("3.1").
    TfvdlRechInfo(QWidget* owner, const QString& Version);

    // Writes and opens the guide as the button does.
    void Kurzanleitung();

    QLabel* Image4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    static const QString AddressText; // four lines joined by CR LF
    static const QString WebAddress;  // opened by the strip

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Button2Click();
    void Button3Click();
};

// The open product information, null while none is open.
extern QPointer<TfvdlRechInfo> fvdlRechInfo;

// Shows the product information modally.
void ShowRechInfo(QWidget* owner, const QString& Version);

} // namespace vdl
