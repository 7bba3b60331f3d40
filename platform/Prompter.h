#pragma once
// Every modal question and message of the program goes through the current Prompter,
// so that tests can script the answers and read what the user would have seen. Nothing here
// needs a widget: the real boxes and dialogs come from the widget side of the platform
// (Prompter_qt.cpp), which installs itself whenever a program links it. A program without
// widgets gets the default answer of every box and no file name.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace vdl {

// Message box flags and answers, in the numbering the program uses throughout.
namespace mb {
constexpr int Ok = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4;
constexpr int IconError = 16, IconQuestion = 32, IconWarning = 48, IconInformation = 64;
constexpr int DefButton2 = 256, DefButton3 = 512;
constexpr int IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7;

// The buttons of a box in their order on screen, with the answer each gives.
struct Button {
    int answer;
    const char* text; // "OK", "Abbrechen", "Ja", "Nein"
};
QList<Button> buttonsOf(int flags);
// The position of the default button among them.
int defaultIndex(int flags);
} // namespace mb

class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows text with caption; flags combine buttons, icon and default button (mb::...).
    // Returns the answer (mb::IdOk, mb::IdYes, ...).
    virtual int message(const QString& text, const QString& caption, int flags) = 0;

    // File dialogs; an empty result means cancelled. filter like "Rechner-Layouts (*.zqe)".
    // dir is a folder, or a file whose name the dialog opens with. The real dialogs show a
    // file's type by its name and never open a file to show it.
    virtual QString openFileName(const QString& caption, const QString& dir, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& dir, const QString& filter,
                                 bool confirmOverwrite) = 0;

    // Text entry; false when cancelled.
    virtual bool inputText(const QString& caption, const QString& prompt, QString& value) = 0;

    // Shows one of the program's own dialogs modally and returns its result code
    // (QDialog::Accepted, Rejected or a done() value). Every dialog opener goes through here,
    // so a test plays the user by scripting the dialog instead of the prompter growing a
    // method per dialog.
    virtual int runDialog(QDialog& dialog) = 0;

    static Prompter& current();
    static void set(Prompter* p); // nullptr = the real prompter again
};

class ScriptedPrompter;

// What the widget side of the platform hands in: the prompter with real boxes and dialogs,
// and how a scripted prompter plays one of the program's dialogs.
struct PrompterWidgets {
    Prompter* prompter = nullptr;
    int (*playScript)(ScriptedPrompter& script, QDialog& dialog) = nullptr;
};
void installPrompterWidgets(const PrompterWidgets& widgets);

// For tests: records every call and answers from queues. A message without a queued answer
// gets the box's default button; a file dialog or input without one is cancelled.
// For file dialogs text is the folder, for inputs the prompt.
class ScriptedPrompter : public Prompter {
public:
    struct Call {
        QString kind; // "message", "open", "save", "input", "dialog"
        QString text;
        QString caption;
        int flags = 0;     // message flags; for "save" 1 when overwriting is confirmed
        QString extra;     // the filter of a file dialog, the preset text of an input
    };
    QList<Call> calls;
    QList<int> answers;
    QStringList fileAnswers;
    QStringList inputAnswers; // a null QString answers "cancelled"
    // Each dialog shown takes the next script: it gets the live, shown dialog (fill fields,
    // click buttons, read texts) and returns the result code. Without a script the dialog is
    // rejected as if closed. A "dialog" call records the objectName as text, the title as caption.
    QList<std::function<int(QDialog&)>> dialogScripts;

    ScriptedPrompter();  // installs itself as current
    ~ScriptedPrompter() override; // restores the previous prompter

    int message(const QString& text, const QString& caption, int flags) override;
    QString openFileName(const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& dir, const QString& filter,
                         bool confirmOverwrite) override;
    bool inputText(const QString& caption, const QString& prompt, QString& value) override;
    int runDialog(QDialog& dialog) override;

    QStringList messages() const; // texts of the message calls, in order

private:
    Prompter* m_previous = nullptr;
};

// Shortcut: Prompter::current().message(...)
int ShowMessage(const QString& text, const QString& caption, int flags);

} // namespace vdl
