#include "platform/Prompter.h"
#include <QDebug>

namespace vdl {

namespace {

Prompter* g_current = nullptr;
PrompterWidgets g_widgets;

// Without windows nobody can be asked: every box gives its default answer, every file or
// input dialog is cancelled. The text still reaches the log.
class UnattendedPrompter : public Prompter {
public:
    int message(const QString& text, const QString& caption, int flags) override
    {
        qWarning().noquote() << caption << ":" << text;
        return mb::buttonsOf(flags)[mb::defaultIndex(flags)].answer;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&, bool) override { return {}; }
    bool inputText(const QString&, const QString&, QString&) override { return false; }
    int runDialog(QDialog&) override { return 0; }
};

} // namespace

namespace mb {

QList<Button> buttonsOf(int flags)
{
    switch (flags & 0x0F) {
    case OkCancel: return {{IdOk, "OK"}, {IdCancel, "Abbrechen"}};
    case YesNoCancel: return {{IdYes, "Ja"}, {IdNo, "Nein"}, {IdCancel, "Abbrechen"}};
    case YesNo: return {{IdYes, "Ja"}, {IdNo, "Nein"}};
    default: return {{IdOk, "OK"}};
    }
}

int defaultIndex(int flags)
{
    const int i = (flags & DefButton3) ? 2 : (flags & DefButton2) ? 1 : 0;
    return i < buttonsOf(flags).size() ? i : 0;
}

} // namespace mb

Prompter& Prompter::current()
{
    static UnattendedPrompter unattended;
    if (g_current)
        return *g_current;
    return g_widgets.prompter ? *g_widgets.prompter : unattended;
}

void Prompter::set(Prompter* p)
{
    g_current = p;
}

void installPrompterWidgets(const PrompterWidgets& widgets)
{
    g_widgets = widgets;
}

int ShowMessage(const QString& text, const QString& caption, int flags)
{
    return Prompter::current().message(text, caption, flags);
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
    return mb::buttonsOf(flags)[mb::defaultIndex(flags)].answer;
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
    // A dialog exists only where widgets do, and the widget side has installed its player.
    return g_widgets.playScript ? g_widgets.playScript(*this, dialog) : 0;
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
