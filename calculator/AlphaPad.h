#pragma once
// The letter keypad: a small tool window of the frame with the digits A to W of the bases
// above 10. It stays above the frame (not above other programs, nor above the program's
// dialogs). Each key goes to the frame's active window as if that window's own key had been
// pressed.
#include <QPointer>
#include <QWidget>
#include <array>

class QPushButton;

namespace vdl {

class WindowHost;

class TAlphaPadForm : public QWidget {
    Q_OBJECT
public:
    // Becomes the newest keypad, the one AlphaPad refers to; deletes itself when closed. Its
    // keys go to the host's active window; without a host they do nothing.
    explicit TAlphaPadForm(QWidget* owner, WindowHost* host = nullptr);

    // Enables the letters that are digits of Base; below 2 (roman, date, time, currency)
    // every letter.
    void SetBase(int Base);

    static constexpr int LetterCount = 23; // A .. W
    QPushButton* letterKey(int i) const { return m_letters[i]; }
    QPushButton* BX = nullptr;             // ">10": shows the letters' values while held

signals:
    // The keypad leaves the screen from place, its outer top left corner, wherever the user
    // has moved it.
    void leaving(QPoint place);

protected:
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BClick(QPushButton* key);
    bool FormKeyPress(QKeyEvent* event); // true when the key was a character for the window
    void showValues(bool values);

    void send(const QString& Text, bool FromButton);

    WindowHost* m_host = nullptr;
    std::array<QPushButton*, LetterCount> m_letters{};
    int m_limit = 1034;
};

// The newest keypad; null once it is gone.
extern QPointer<TAlphaPadForm> AlphaPad;

} // namespace vdl
