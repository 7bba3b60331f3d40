#pragma once
// The pop-up that shows the day, month or year just spun in a date field, in large type at
// the mouse pointer. It is created at the first spin and never hidden: half a second after
// the last spin it moves below the screen. It never takes the focus, so the date field keeps
// the keyboard.
#include <QWidget>

class QLabel;
class QTimer;

namespace vdl {

class TfvdlDateSpin : public QWidget {
    Q_OBJECT
public:
    TfvdlDateSpin();

    QLabel* p;
    QTimer* Timer; // 500 ms after the last spin

    void TimerTimer();
};

// The pop-up once created, else nullptr.
extern TfvdlDateSpin* fvdlDateSpin;

void CreateDateSpin();
// Shows Text centred on the mouse pointer; an empty Text only moves the pop-up there,
// keeping its text and timer.
void ShowDateSpin(const QString& Text);
// Parks the pop-up below the screen.
void HideDateSpin();
// Width for Text plus two blanks, the caption, and 500 ms from now until it parks.
void SetDateSpinText(TfvdlDateSpin* Form, const QString& Text);

} // namespace vdl
