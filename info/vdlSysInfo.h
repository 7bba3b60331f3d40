#pragma once
// "System-Informationen": facts about the computer, the program and its databases in tabs of
// two-column grids; memory, date, time and time since start refresh every second.
#include "info/SysInfoModel.h"
#include "toolkit/vdlTools_forms.h"
#include <QDialog>
#include <QPointer>

class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class QWidget;

namespace vdl {

class TfvdlSysInfo : public QDialog, public TFormXP {
    Q_OBJECT
public:
    explicit TfvdlSysInfo(QWidget* owner = nullptr);

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QTableWidget* GrdHardware = nullptr;
    QTableWidget* GrdSoftware = nullptr;
    QTableWidget* GrdBenutzer = nullptr;
    QWidget* Buttons = nullptr;
    QPushButton* BtnZwischenablage = nullptr;
    QPushButton* BtnSchliessen = nullptr;
    QTimer* Timer = nullptr;

    QString FKennung, FName;
    SysInfoModel Model;

    void TimerTimer();
    void BtnZwischenablageClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    bool m_filled = false;
};

extern QPointer<TfvdlSysInfo> fvdlSysInfo;

// Shows the system information modally.
void ShowSysInfo();

} // namespace vdl
