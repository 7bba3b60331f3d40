// The prompter's widget side: real message boxes, file and input dialogs, and the way a
// scripted prompter plays the program's own dialogs. Linking the widget part of the platform
// installs it (see platform/CMakeLists.txt).
#include "platform/Prompter.h"
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPushButton>

namespace vdl {

namespace {

QMessageBox::ButtonRole roleOf(int answer)
{
    switch (answer) {
    case mb::IdYes: return QMessageBox::YesRole;
    case mb::IdNo: return QMessageBox::NoRole;
    case mb::IdCancel: return QMessageBox::RejectRole;
    default: return QMessageBox::AcceptRole;
    }
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

// The file dialogs take a file's type and icon from its name alone. Qt's own provider reads
// the first bytes of every file whose name leaves the type open, in the window's thread, as
// the folder lists: a file that never answers (/proc/kmsg) would freeze the program, and a
// folder of many files would read them all. Folders and drives get the style's icons, which
// look at nothing on disk either.
class NameOnlyIcons : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return QFileIconProvider::icon(Drive);
        if (info.isDir())
            return QFileIconProvider::icon(Folder);
        const QMimeType mime = byName(info);
        return QIcon::fromTheme(mime.iconName(),
                                QIcon::fromTheme(mime.genericIconName(), QFileIconProvider::icon(File)));
    }

    QString type(const QFileInfo& info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info); // "Folder", "Drive", ...: from the file's kind
        const QMimeType mime = byName(info);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }

private:
    QMimeType byName(const QFileInfo& info) const
    {
        return m_mimes.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase m_mimes;
};

// Qt's own file dialog (a native one would bring its own way of showing files), with the
// provider above set before the dialog looks at any file. dir is a folder, or a file whose
// folder opens with its name filled in.
QString runFileDialog(QFileDialog::AcceptMode mode, const QString& caption, const QString& dir,
                      const QString& filter, QFileDialog::Options options)
{
    NameOnlyIcons icons; // outlives the dialog, which keeps a pointer to it
    QFileDialog dialog(QApplication::activeWindow(), caption, QString(), filter);
    dialog.setOptions(options | QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QFileInfo start(dir);
    if (dir.isEmpty() || start.isDir()) {
        dialog.setDirectory(dir);
    } else {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

// Real dialogs (QMessageBox with German buttons, QFileDialog, QInputDialog).
class QtPrompter : public Prompter {
public:
    int message(const QString& text, const QString& caption, int flags) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(caption);
        box.setIcon(iconOf(flags));
        // Plain text, so that a "<" in a file name is not taken for markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        const QList<mb::Button> buttons = mb::buttonsOf(flags);
        QList<QPushButton*> widgets;
        for (const mb::Button& b : buttons)
            widgets << box.addButton(QString::fromUtf8(b.text), roleOf(b.answer));
        box.setDefaultButton(widgets[mb::defaultIndex(flags)]);
        box.exec();
        for (int i = 0; i < widgets.size(); ++i) {
            if (box.clickedButton() == widgets[i])
                return buttons[i].answer;
        }
        return mb::IdCancel;
    }

    QString openFileName(const QString& caption, const QString& dir, const QString& filter) override
    {
        return runFileDialog(QFileDialog::AcceptOpen, caption, dir, filter, {});
    }

    QString saveFileName(const QString& caption, const QString& dir, const QString& filter,
                         bool confirmOverwrite) override
    {
        return runFileDialog(QFileDialog::AcceptSave, caption, dir, filter,
                             confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    }

    bool inputText(const QString& caption, const QString& prompt, QString& value) override
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

    int runDialog(QDialog& dialog) override { return dialog.exec(); }
};

int playScript(ScriptedPrompter& script, QDialog& dialog)
{
    script.calls << ScriptedPrompter::Call{QStringLiteral("dialog"), dialog.objectName(), dialog.windowTitle(), 0, {}};
    dialog.show();
    const int code = script.dialogScripts.isEmpty() ? int(QDialog::Rejected) : script.dialogScripts.takeFirst()(dialog);
    // A script that clicked a closing button leaves the dialog's own result; otherwise the
    // dialog closes with the code the script returned.
    if (!dialog.isVisible())
        return dialog.result();
    dialog.done(code);
    return code;
}

QtPrompter qtPrompter;

const bool installed = [] {
    installPrompterWidgets({&qtPrompter, &playScript});
    return true;
}();

} // namespace

} // namespace vdl

// The linker keeps this file (and with it the installation above) in every program that
// links the widget part of the platform, although nothing calls into it by name.
extern "C" const bool vdl_prompter_widgets = vdl::installed;
