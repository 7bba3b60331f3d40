// The frame: fitting itself around its windows, and arranging them.
#include "calculator/RechnerMDI.h"
#include "platform/Prompter.h"
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace vdl {

namespace {
QSize& pinnedScreen()
{
    static QSize size;
    return size;
}
} // namespace

QSize TMDIForm::screenSize()
{
    if (pinnedScreen().isValid())
        return pinnedScreen();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

void TMDIForm::setScreenSize(const QSize& size)
{
    pinnedScreen() = size;
}

void TMDIForm::MRahmenanpassenClick()
{
    const QList<QMdiSubWindow*> subs = mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (subs.isEmpty())
        return;
    const QSize screen = screenSize();
    if (MRahmenAuto->isChecked()) {
        int right = 0, bottom = 0, minLeft = 999999, minTop = 999999;
        for (const QMdiSubWindow* sub : subs) {
            const QRect r = sub->geometry();
            right = std::max(right, r.x() + r.width());
            bottom = std::max(bottom, r.y() + r.height());
            minLeft = std::min(minLeft, r.x());
            minTop = std::min(minTop, r.y());
        }
        // A frame partly off the screen keeps its windows where they are.
        if (x() >= 0 && y() >= 0) {
            for (QMdiSubWindow* sub : subs)
                sub->move(sub->x() - minLeft, sub->y() - minTop);
        }
        // The menu bar and the window's borders lie outside the client area.
        const QSize outer = frameGeometry().size();
        const QSize border = outer - mdiArea->size();
        const int newWidth = right + border.width() + 4;
        const int newHeight = bottom + border.height() + 4;
        if (screen.height() >= newHeight && screen.width() >= newWidth) {
            resize(size() + QSize(newWidth, newHeight) - outer);
            int left = x(), top = y();
            if (screen.width() < left + newWidth)
                left = screen.width() - newWidth;
            if (screen.height() < top + newHeight)
                top = screen.height() - newHeight;
            move(left, top);
        } else {
            ShowMessage(QStringLiteral("Rahmenanpassung würde Bildschirmgröße überschreiten!"),
                        QStringLiteral("Anpassung fehlgeschlagen!"), 0);
        }
    }
    if (TopMode)
        move(screen.width() - frameGeometry().width(), 0);
}

void TMDIForm::MUntereinanderClick()
{
    tile(true);
}

void TMDIForm::MNebeneinanderClick()
{
    tile(false);
}

// The windows keep their fixed sizes, so tiling lines them up one below (rows) or beside
// (columns) the other from the top left corner, instead of cutting the area into a grid.
void TMDIForm::tile(bool rows)
{
    QPoint at(0, 0);
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isMinimized() || sub->isHidden())
            continue;
        sub->move(at);
        if (rows)
            at.ry() += sub->height();
        else
            at.rx() += sub->width();
    }
}

// Minimised windows line up along the bottom edge, from the left, row above row.
void TMDIForm::MSymboleAnordnenClick()
{
    const int areaWidth = mdiArea->viewport()->width();
    int left = 0;
    int bottom = mdiArea->viewport()->height();
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        if (left > 0 && left + sub->width() > areaWidth) {
            left = 0;
            bottom -= sub->height();
        }
        sub->move(left, bottom - sub->height());
        left += sub->width();
    }
}

} // namespace vdl
