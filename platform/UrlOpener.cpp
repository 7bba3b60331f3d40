#include "platform/UrlOpener.h"
#include <QDesktopServices>

namespace vdl {

namespace {
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

DesktopUrlOpener g_desktop;
UrlOpener* g_current = &g_desktop;
} // namespace

UrlOpener& UrlOpener::current()
{
    return *g_current;
}

void UrlOpener::set(UrlOpener* opener)
{
    g_current = opener ? opener : &g_desktop;
}

RecordingUrlOpener::RecordingUrlOpener() : m_previous(&current())
{
    set(this);
}

RecordingUrlOpener::~RecordingUrlOpener()
{
    set(m_previous);
}

bool RecordingUrlOpener::open(const QUrl& url)
{
    opened << url;
    return started;
}

} // namespace vdl
