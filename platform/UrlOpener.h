#pragma once
// Pages are opened in the user's browser through the current UrlOpener, so that tests can
// record the address instead of starting a browser.
#include <QList>
#include <QUrl>

namespace vdl {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when no program could be started for the address.
    virtual bool open(const QUrl& url) = 0;

    static UrlOpener& current();
    static void set(UrlOpener* opener); // nullptr = the desktop's opener again
};

// For tests: keeps every address and opens nothing. Installs itself while it lives.
class RecordingUrlOpener : public UrlOpener {
public:
    RecordingUrlOpener();
    ~RecordingUrlOpener() override;
    bool open(const QUrl& url) override;

    QList<QUrl> opened;
    bool started = true; // what open() answers: false plays a desktop without a browser

private:
    UrlOpener* m_previous = nullptr;
};

} // namespace vdl
