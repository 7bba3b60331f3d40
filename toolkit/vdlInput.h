#pragma once
// A one-line input dialog: optional password mask, characters refused while typing (warned
// about once), a numeric entry checked and reformatted before OK is accepted, and the caller's
// own check of the text.
#include <QDialog>
#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;

namespace vdl {

// The warning for refused characters; it names the whole set, not just the key typed.
QString ForbiddenCharsMessage(const QString& Forbidden);

class TvdlInputBox : public QDialog {
    Q_OBJECT
public:
    // The dialog's result codes: OK and "&Abbrechen" (the close box gives Rejected).
    static constexpr int ResultOK = 1, ResultAbort = 3;

    explicit TvdlInputBox(QWidget* parent = nullptr);

    QLineEdit* Input;
    QPushButton* Abbruch;
    QPushButton* OK;

    int Decimals = -1;    // below 0: no numeric check
    QString Forbidden;    // characters the edit refuses
    bool Warned = false;  // the refusal warning has been shown
    // The caller's check on OK: the message for a text it refuses, empty for one it takes.
    std::function<QString(const QString&)> Refusal;

    void done(int r) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls();
    void OKClick();
    bool InputKeyPress(const QString& key); // true when the key is discarded
};

// Shows Caption as the window title and Value in the edit; OK gives true and the edited text
// in Value, "&Abbrechen" or the close box false with Value unchanged. Decimals >= 0 checks a
// number with that many places; Forbidden lists refused characters. A text that Refusal
// refuses is not taken: its message shows (caption "Warnung") and the box stays open with the
// text selected, to be corrected or cancelled.
bool ShowInputBox(const QString& Caption, QString& Value, bool Password, int Decimals,
                  const QString& Forbidden, const std::function<QString(const QString&)>& Refusal = {});

} // namespace vdl
