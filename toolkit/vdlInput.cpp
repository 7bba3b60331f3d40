#include "toolkit/vdlInput.h"

#include "platform/Prompter.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlTools_misc.h"
#include "toolkit/vdlTools_forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace vdl {

QString ForbiddenCharsMessage(const QString& Forbidden)
{
    const QString quoted = QStringLiteral("Zeichen \"") + Forbidden + QLatin1Char('"');
    if (Forbidden == QLatin1String(" "))
        return QStringLiteral("Das Leerzeichen ist hier nicht erlaubt!");
    if (Forbidden.size() == 1)
        return QStringLiteral("Das ") + quoted + QStringLiteral(" ist hier nicht erlaubt!");
    return QStringLiteral("Die ") + quoted + QStringLiteral(" sind hier nicht erlaubt!");
}

TvdlInputBox::TvdlInputBox(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("vdlInputBox"));
    setFont(DialogFont());

    Input = new QLineEdit(this);
    Input->setObjectName(QStringLiteral("Input"));
    Input->installEventFilter(this);
    Abbruch = new QPushButton(QStringLiteral("&Abbrechen"), this);
    Abbruch->setObjectName(QStringLiteral("Abbruch"));
    OK = new QPushButton(QStringLiteral("&OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    connect(Abbruch, &QPushButton::clicked, this, [this] { done(ResultAbort); });
    connect(OK, &QPushButton::clicked, this, &TvdlInputBox::OKClick);

    setFixedSize(472, 77);
    placeControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        setGeometry(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2, width(), height());
    }
    RestoreFormPos(this);
}

void TvdlInputBox::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    placeControls();
}

// The edit and both buttons keep their distance to the right edge.
void TvdlInputBox::placeControls()
{
    Input->setGeometry(10, 10, width() - 20, 22);
    Abbruch->setGeometry(width() - 215, 42, 106, 26);
    OK->setGeometry(width() - 103, 42, 92, 26);
}

void TvdlInputBox::done(int r)
{
    SaveFormPos(this);
    QDialog::done(r);
}

// Neither button cancels, so Escape leaves the box open.
void TvdlInputBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TvdlInputBox::OKClick()
{
    if (Decimals >= 0 && !CheckNumEdit(Input, Decimals, nullptr, false))
        return;
    if (const QString refused = Refusal ? Refusal(Input->text()) : QString(); !refused.isEmpty()) {
        ShowMessage(refused, QStringLiteral("Warnung"), mb::Ok | mb::IconError);
        Input->setFocus();
        Input->selectAll();
        return;
    }
    done(ResultOK);
}

bool TvdlInputBox::InputKeyPress(const QString& key)
{
    if (Forbidden.isEmpty() || key.size() != 1 || !Forbidden.contains(key))
        return false;
    if (!Warned) {
        ShowMessage(ForbiddenCharsMessage(Forbidden), QStringLiteral("Warnung"), mb::Ok | mb::IconError);
        Warned = true;
    }
    return true;
}

bool TvdlInputBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Input && event->type() == QEvent::KeyPress
        && InputKeyPress(static_cast<QKeyEvent*>(event)->text()))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool ShowInputBox(const QString& Caption, QString& Value, bool Password, int Decimals,
                  const QString& Forbidden, const std::function<QString(const QString&)>& Refusal)
{
    TvdlInputBox box(QApplication::activeWindow());
    box.setWindowTitle(Caption);
    box.Input->setText(Value);
    box.Decimals = Decimals;
    box.Forbidden = Forbidden;
    box.Refusal = Refusal;
    if (Password) {
        box.Input->setEchoMode(QLineEdit::Password);
        // Qt masks with a bullet by default; the box shows "*".
        box.Input->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    if (Prompter::current().runDialog(box) != TvdlInputBox::ResultOK)
        return false;
    Value = box.Input->text();
    return true;
}

} // namespace vdl
