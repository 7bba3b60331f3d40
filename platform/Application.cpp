#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/FrameIcons.h"
#include "platform/Prompter.h"
#include <QIcon>
#include <QProxyStyle>

namespace vdl {

namespace {

// The window-frame icons (inner windows' title bars and their window menu, the menu bar's
// overflow button) are drawn by the program. The plain style reads them from image files
// with format detection, which makes the image reader load every image plugin there is, at
// every start, for pictures the user hardly ever sees. Other icons come from the style.
class FrameIconStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override
    {
        const QIcon icon = FrameIcon(sp);
        return icon.isNull() ? QProxyStyle::standardIcon(sp, option, widget) : icon;
    }

    QPixmap standardPixmap(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override
    {
        const QIcon icon = FrameIcon(sp);
        if (icon.isNull())
            return QProxyStyle::standardPixmap(sp, option, widget);
        const int size = pixelMetric(PM_SmallIconSize, option, widget);
        return icon.pixmap(QSize(size, size));
    }
};

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(title());
    setStyle(new FrameIconStyle(style()->name()));
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
