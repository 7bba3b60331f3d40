#include "toolkit/vdlDateSpin.h"
#include "toolkit/vdlTools_forms.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace vdl {

TfvdlDateSpin* fvdlDateSpin = nullptr;

namespace {

int screenHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

void deleteDateSpin()
{
    delete fvdlDateSpin;
    fvdlDateSpin = nullptr;
}

} // namespace

TfvdlDateSpin::TfvdlDateSpin()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("fvdlDateSpin"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFont(DialogFont(32));
    resize(104, 42);

    p = new QLabel(QStringLiteral("2002"), this);
    p->setObjectName(QStringLiteral("p"));
    p->setAlignment(Qt::AlignCenter);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setGeometry(rect());

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(500);
    connect(Timer, &QTimer::timeout, this, &TfvdlDateSpin::TimerTimer);
}

void TfvdlDateSpin::TimerTimer()
{
    Timer->stop();
    HideDateSpin();
}

void CreateDateSpin()
{
    if (fvdlDateSpin)
        return;
    fvdlDateSpin = new TfvdlDateSpin;
    // Freed with the application, while the window system is still there.
    qAddPostRoutine(deleteDateSpin);
    fvdlDateSpin->move(0, screenHeight() + 1);
    fvdlDateSpin->show();
}

void SetDateSpinText(TfvdlDateSpin* Form, const QString& Text)
{
    Form->resize(Form->fontMetrics().horizontalAdvance(Text + QStringLiteral("  ")), Form->height());
    Form->p->setGeometry(Form->rect());
    Form->Timer->stop();
    Form->Timer->start();
    Form->p->setText(Text);
}

void ShowDateSpin(const QString& Text)
{
    CreateDateSpin();
    if (!Text.isEmpty())
        SetDateSpinText(fvdlDateSpin, Text);
    const QPoint cursor = QCursor::pos();
    fvdlDateSpin->move(cursor.x() - fvdlDateSpin->width() / 2, cursor.y() - fvdlDateSpin->height() / 2);
}

void HideDateSpin()
{
    if (fvdlDateSpin)
        fvdlDateSpin->move(fvdlDateSpin->x(), screenHeight() + 1);
}

} // namespace vdl
