#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Prompter.h"

namespace vdl {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(title());
}

QString Application::title()
{
    return QStringLiteral("vdlRechner");
}

void Application::showException(const std::exception& e)
{
    const auto* err = dynamic_cast<const Error*>(&e);
    const QString text = err ? err->message() : QString::fromLocal8Bit(e.what());
    ShowMessage(text, title(), mb::Ok | mb::IconError);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // No exception may cross the event loop: show it like any uncaught error and go on.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showException(e);
    }
    return false;
}

} // namespace vdl
