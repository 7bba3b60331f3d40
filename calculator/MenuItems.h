#pragma once
// Menus are written as lists of items, one list per menu: caption, shortcut, picture, what it
// does and whether it starts greyed. Items greyed and ungreyed as the program runs are kept
// (`keep`) and switched by their menu's pop-up handler.
#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QObject;

namespace vdl {

struct MenuItem {
    QString caption;                // empty: a separator
    QKeySequence shortcut = {};
    int picture = -1;               // position in the image list; -1 for none
    std::function<void()> handler = {};
    bool enabled = true;            // false: shown greyed
    bool checkable = false;         // an option with a tick
    QAction** keep = nullptr;       // the member that keeps the item, if one does
    std::vector<MenuItem> items = {}; // not empty: a submenu of these
};

// Appends the items to menu; handlers run in context's thread and end with it.
void addMenuItems(QMenu* menu, const std::vector<MenuItem>& items, QObject* context);

} // namespace vdl
