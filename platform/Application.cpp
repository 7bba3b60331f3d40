#include "platform/Application.h"
#include "platform/Error.h"
#include "platform/Prompter.h"
#include <QIcon>
#include <QProxyStyle>
#include <map>
#include <tuple>

namespace vdl {

namespace {

// The style decodes its window-frame icons from image files each time they are asked for, and
// every inner window and menu bar asks for several. Without a style option these icons only
// depend on the layout direction and the icon theme, so they are kept per that key. Other icons
// and calls with an option go to the style unchanged: a few dialog icons come out a pixel
// different once reused, so only the frame icons, which look the same either way, are kept.
class IconCacheStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override
    {
        if (option || !isFrameIcon(sp))
            return QProxyStyle::standardIcon(sp, option, widget);
        return cached(m_icons, sp, [&] { return QProxyStyle::standardIcon(sp, nullptr, widget); });
    }

    QPixmap standardPixmap(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override
    {
        if (option || !isFrameIcon(sp))
            return QProxyStyle::standardPixmap(sp, option, widget);
        return cached(m_pixmaps, sp, [&] { return QProxyStyle::standardPixmap(sp, nullptr, widget); });
    }

private:
    using Key = std::tuple<int, bool, QString>;
    static Key key(StandardPixmap sp) { return {sp, QGuiApplication::isRightToLeft(), QIcon::themeName()}; }

    template <class T, class Load>
    static T cached(std::map<Key, T>& cache, StandardPixmap sp, Load load)
    {
        auto [it, added] = cache.try_emplace(key(sp));
        if (added)
            it->second = load();
        return it->second;
    }

    static bool isFrameIcon(StandardPixmap sp)
    {
        return (sp >= SP_TitleBarMenuButton && sp <= SP_TitleBarContextHelpButton)
            || sp == SP_ToolBarHorizontalExtensionButton || sp == SP_ToolBarVerticalExtensionButton;
    }

    mutable std::map<Key, QIcon> m_icons;
    mutable std::map<Key, QPixmap> m_pixmaps;
};

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(title());
    setStyle(new IconCacheStyle(style()->name()));
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
