#pragma once
// The rename and delete dialog: it lists every calculator and memory window of the frame by
// name and renames one (its caption and its entry in every other window's link box) or
// closes one.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace vdl {

class TBenennenForm : public QDialog {
    Q_OBJECT
public:
    explicit TBenennenForm(QWidget* parent = nullptr);

    QListWidget* Liste = nullptr; // one item per window: its name; item data = its number
    QPushButton* Umbenennen = nullptr;
    QPushButton* Loeschen = nullptr;
    QPushButton* Schliessen = nullptr;

    void UmbenennenClick();
    void LoeschenClick();
    void ListeDblClick();

private:
    void FormCreate();
};

// The dialog from "&Benennen" and "&Umbenennen".
void ShowRenameDialog();
// The same with "&Umbenennen" greyed, from "&Löschen".
void ShowDeleteDialog();

} // namespace vdl
