#pragma once
// The rename and delete dialog: it lists every calculator and memory window of the frame by
// name and renames one (its caption and its entry in every other window's link box) or
// closes one. It reaches the windows through the frame's WindowHost.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace vdl {

class WindowHost;

class TBenennenForm : public QDialog {
    Q_OBJECT
public:
    explicit TBenennenForm(WindowHost& host, QWidget* parent = nullptr);

    QListWidget* Liste = nullptr; // one item per window: its name; item data = its number
    QPushButton* Umbenennen = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Schliessen = nullptr;

    void UmbenennenClick();
    void LoeschenClick();
    void ListeDblClick();

private:
    void FormCreate();
    // Why Name cannot be the new name of the window numbered Nummer; empty when it can.
    QString nameRefusal(int Nummer, const QString& Name) const;

    WindowHost& m_host;
};

// The dialog from "&Benennen" and "&Umbenennen".
void ShowRenameDialog(WindowHost& host);
// The same with "&Umbenennen" greyed, from "&Löschen".
void ShowDeleteDialog(WindowHost& host);

} // namespace vdl
