#include "calculator/MenuItems.h"
#include "calculator/Pictures.h"
#include <QMenu>

namespace vdl {

void addMenuItems(QMenu* menu, const std::vector<MenuItem>& items, QObject* context)
{
    for (const MenuItem& item : items) {
        QAction* action = nullptr;
        if (item.caption.isEmpty()) {
            action = menu->addSeparator();
        } else if (!item.items.empty()) {
            QMenu* sub = menu->addMenu(item.caption);
            addMenuItems(sub, item.items, context);
            action = sub->menuAction();
        } else {
            action = menu->addAction(item.caption);
            action->setShortcut(item.shortcut);
            action->setCheckable(item.checkable);
            if (item.handler)
                QObject::connect(action, &QAction::triggered, context, [handler = item.handler] { handler(); });
        }
        if (item.picture >= 0)
            action->setIcon(Images(item.picture));
        action->setEnabled(item.enabled);
        if (item.keep)
            *item.keep = action;
    }
}

} // namespace vdl
