#pragma once
// The clipboard editor: the text on the clipboard (typically a tape copied from a window) in
// an edit, to be put back in part, emptied, or left as it was.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vdl {

// Opens the editor on the clipboard's text; without text on the clipboard the user is told so
// ("Geht nicht!") and nothing opens.
void EditClipboard();

class TfvdlClipMod : public QDialog {
    Q_OBJECT
public:
    explicit TfvdlClipMod(QWidget* parent = nullptr);
    void done(int r) override;

    QPlainTextEdit* Memo = nullptr;
    QPushButton* BtnSpeichern = nullptr;
    QPushButton* BtnLoeschen = nullptr;
    QPushButton* BtnSchliessen = nullptr;

private:
    void BtnSpeichernClick();
    void BtnLoeschenClick();

    bool m_crlf = false; // the clipboard's text ended its lines with CR LF
};

} // namespace vdl
