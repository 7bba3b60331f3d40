#include "platform/OfficeLink.h"

namespace vdl {

namespace {
// No office program here offers itself for attaching, so nothing is ever attached and the
// hand-off items stay hidden.
class NoOfficeLink : public OfficeLink {
public:
    bool alive() override { return false; }
    bool attach() override { return false; }
    bool typeText(const QString&) override { return false; }
    bool moveDown(int, int) override { return false; }
    bool activate() override { return false; }
    bool setSelection(const QString&) override { return false; }
    std::optional<QString> caption() override { return std::nullopt; }
    quintptr findWindow(const QString&) override { return 0; }
    bool bringToFront(quintptr) override { return false; }
};
} // namespace

std::unique_ptr<OfficeLink> OfficeLink::create(Program)
{
    return std::make_unique<NoOfficeLink>();
}

} // namespace vdl
