#include "platform/Prompter.h"
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vdl {

namespace {

Prompter* g_current = nullptr;

struct Button {
    int answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

// The buttons of a box in their order on screen.
QList<Button> buttonsOf(int flags)
{
    switch (flags & 0x0F) {
    case mb::OkCancel:
        return {{mb::IdOk, "OK", QMessageBox::AcceptRole}, {mb::IdCancel, "Abbrechen", QMessageBox::RejectRole}};
    case mb::YesNoCancel:
        return {{mb::IdYes, "Ja", QMessageBox::YesRole}, {mb::IdNo, "Nein", QMessageBox::NoRole},
                {mb::IdCancel, "Abbrechen", QMessageBox::RejectRole}};
    case mb::YesNo:
        return {{mb::IdYes, "Ja", QMessageBox::YesRole}, {mb::IdNo, "Nein", QMessageBox::NoRole}};
    default:
        return {{mb::IdOk, "OK", QMessageBox::AcceptRole}};
    }
}

int defaultIndex(int flags, int buttonCount)
{
    const int i = (flags & mb::DefButton3) ? 2 : (flags & mb::DefButton2) ? 1 : 0;
    return i < buttonCount ? i : 0;
}

QMessageBox::Icon iconOf(int flags)
{
    switch (flags & 0xF0) {
    case mb::IconError: return QMessageBox::Critical;
    case mb::IconQuestion: return QMessageBox::Question;
    case mb::IconWarning: return QMessageBox::Warning;
    case mb::IconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

Prompter& Prompter::current()
{
    static QtPrompter qt;
    return g_current ? *g_current : qt;
}

void Prompter::set(Prompter* p)
{
    g_current = p;
}

int ShowMessage(const QString& text, const QString& caption, int flags)
{
    return Prompter::current().message(text, caption, flags);
}

int QtPrompter::message(const QString& text, const QString& caption, int flags)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setIcon(iconOf(flags));
    // Plain text, so that a "<" in a file name is not taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    const QList<Button> buttons = buttonsOf(flags);
    QList<QPushButton*> widgets;
    for (const Button& b : buttons)
        widgets << box.addButton(QString::fromUtf8(b.text), b.role);
    box.setDefaultButton(widgets[defaultIndex(flags, int(buttons.size()))]);
    box.exec();
    for (int i = 0; i < widgets.size(); ++i) {
        if (box.clickedButton() == widgets[i])
            return buttons[i].answer;
    }
    return mb::IdCancel;
}

QString QtPrompter::openFileName(const QString& caption, const QString& dir, const QString& filter)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, dir, filter);
}

QString QtPrompter::saveFileName(const QString& caption, const QString& dir, const QString& filter,
                                 bool confirmOverwrite)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, dir, filter, nullptr,
                                        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
}

bool QtPrompter::inputText(const QString& caption, const QString& prompt, QString& value)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

int QtPrompter::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

ScriptedPrompter::ScriptedPrompter() : m_previous(g_current)
{
    set(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    set(m_previous);
}

int ScriptedPrompter::message(const QString& text, const QString& caption, int flags)
{
    calls << Call{QStringLiteral("message"), text, caption, flags, {}};
    if (!answers.isEmpty())
        return answers.takeFirst();
    const QList<Button> buttons = buttonsOf(flags);
    return buttons[defaultIndex(flags, int(buttons.size()))].answer;
}

QString ScriptedPrompter::openFileName(const QString& caption, const QString& dir, const QString& filter)
{
    calls << Call{QStringLiteral("open"), dir, caption, 0, filter};
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString& dir, const QString& filter,
                                       bool confirmOverwrite)
{
    calls << Call{QStringLiteral("save"), dir, caption, confirmOverwrite ? 1 : 0, filter};
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

bool ScriptedPrompter::inputText(const QString& caption, const QString& prompt, QString& value)
{
    calls << Call{QStringLiteral("input"), prompt, caption, 0, value};
    if (inputAnswers.isEmpty())
        return false;
    const QString answer = inputAnswers.takeFirst();
    if (answer.isNull())
        return false;
    value = answer;
    return true;
}

int ScriptedPrompter::runDialog(QDialog& dialog)
{
    calls << Call{QStringLiteral("dialog"), dialog.objectName(), dialog.windowTitle(), 0, {}};
    dialog.show();
    const int code = dialogScripts.isEmpty() ? int(QDialog::Rejected) : dialogScripts.takeFirst()(dialog);
    // A script that clicked a closing button leaves the dialog's own result; otherwise the
    // dialog closes with the code the script returned.
    if (!dialog.isVisible())
        return dialog.result();
    dialog.done(code);
    return code;
}

QStringList ScriptedPrompter::messages() const
{
    QStringList texts;
    for (const Call& c : calls) {
        if (c.kind == QLatin1String("message"))
            texts << c.text;
    }
    return texts;
}

} // namespace vdl
