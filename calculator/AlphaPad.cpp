#include "calculator/AlphaPad.h"
#include "calculator/KeyEvents.h"
#include "calculator/WindowHost.h"
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWindow>

namespace vdl {

QPointer<TAlphaPadForm> AlphaPad;

namespace {
constexpr int KeySize = 30;
constexpr int Columns[4] = {1, 33, 65, 97};
constexpr int RowStep = 32;

QString letter(int i)
{
    return QString(QChar(u'A' + i));
}
} // namespace

TAlphaPadForm::TAlphaPadForm(QWidget* owner, WindowHost* host)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Typing goes on in the calculator: the keypad never takes the keyboard as it appears.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("AlphaPadForm"));
    setWindowTitle(QStringLiteral("AlphaPadForm"));
    setFixedSize(127, 190);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(13);
    bold.setBold(true);
    setFont(bold);

    auto makeKey = [this](int i, const QString& caption) {
        auto* key = new QPushButton(caption, this);
        key->setGeometry(Columns[i % 4], (i / 4) * RowStep, KeySize, KeySize);
        key->setFocusPolicy(Qt::TabFocus);
        key->installEventFilter(this);
        return key;
    };
    for (int i = 0; i < LetterCount; ++i) {
        m_letters[i] = makeKey(i, letter(i));
        m_letters[i]->setObjectName(QStringLiteral("B") + letter(i));
        connect(m_letters[i], &QPushButton::clicked, this, [this, i] { BClick(m_letters[i]); });
    }
    BX = makeKey(LetterCount, QStringLiteral(">10"));
    BX->setObjectName(QStringLiteral("BX"));
    QFont plain = bold;
    plain.setBold(false);
    BX->setFont(plain);
    AlphaPad = this;
}

void TAlphaPadForm::SetBase(int Base)
{
    // Letter i has the digit value 10 + i; it is a digit of Base when that value is below it.
    m_limit = Base >= 2 ? Base + 1000 : 1034;
    for (int i = 0; i < LetterCount; ++i)
        m_letters[i]->setEnabled(1010 + i < m_limit);
}

void TAlphaPadForm::BClick(QPushButton* key)
{
    send(key->text(), true);
}

void TAlphaPadForm::send(const QString& Text, bool FromButton)
{
    if (m_host)
        m_host->sendToActiveWindow(Text, FromButton);
}

void TAlphaPadForm::showValues(bool values)
{
    for (int i = 0; i < LetterCount; ++i)
        m_letters[i]->setText(values ? QString::number(10 + i) : letter(i));
}

bool TAlphaPadForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BX && event->type() == QEvent::MouseButtonPress)
        showValues(true);
    else if (watched == BX && event->type() == QEvent::MouseButtonRelease)
        showValues(false);
    else if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)))
        return true; // the keypad sees typed keys before its buttons do
    return QWidget::eventFilter(watched, event);
}

void TAlphaPadForm::hideEvent(QHideEvent* event)
{
    // The window system's own idea of the place: moves made by the window manager may not
    // have reached the widget.
    emit leaving(windowHandle() ? windowHandle()->framePosition() : pos());
    QWidget::hideEvent(event);
}

void TAlphaPadForm::keyPressEvent(QKeyEvent* event)
{
    if (!FormKeyPress(event))
        QWidget::keyPressEvent(event);
}

bool TAlphaPadForm::FormKeyPress(QKeyEvent* event)
{
    unsigned char byte = 0;
    if (!typedByte(*event, byte))
        return false;
    send(QString(QChar(byte)), false);
    return true;
}

} // namespace vdl
