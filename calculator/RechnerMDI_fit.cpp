// The frame: fitting itself around its windows, and arranging them.
#include "calculator/RechnerMDI.h"
#include "platform/Prompter.h"
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>
#include <utility>

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

// While the frame is still coming to its start place, the fitted bounds become that place.
void TMDIForm::setBounds(const QRect& bounds)
{
    if (!m_settled)
        m_startBounds = bounds;
    setOuterBounds(bounds);
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
        const QRect outer = outerBounds();
        if (outer.x() >= 0 && outer.y() >= 0) {
            for (QMdiSubWindow* sub : subs)
                sub->move(sub->x() - minLeft, sub->y() - minTop);
        }
        // The menu bar and the window's borders lie outside the client area.
        const QSize border = outer.size() - mdiArea->size();
        const int newWidth = right + border.width() + 4;
        const int newHeight = bottom + border.height() + 4;
        if (screen.height() >= newHeight && screen.width() >= newWidth) {
            QRect fitted(outer.topLeft(), QSize(newWidth, newHeight));
            if (screen.width() < fitted.left() + newWidth)
                fitted.moveLeft(screen.width() - newWidth);
            if (screen.height() < fitted.top() + newHeight)
                fitted.moveTop(screen.height() - newHeight);
            setBounds(fitted);
        } else {
            ShowMessage(QStringLiteral("Rahmenanpassung würde Bildschirmgröße überschreiten!"),
                        QStringLiteral("Anpassung fehlgeschlagen!"), 0);
        }
    }
    if (TopMode) {
        const QRect outer = outerBounds();
        setBounds(QRect(QPoint(screen.width() - outer.width(), 0), outer.size()));
    }
}

void TMDIForm::MUeberlappendClick()
{
    // The active window comes last, in front, so that it hides no other window's title bar.
    QList<QMdiSubWindow*> subs = arrangedWindows();
    QMdiSubWindow* active = mdiArea->activeSubWindow();
    if (active && subs.removeOne(active))
        subs << active;
    const QSize area = arrangingArea();
    QPoint at(0, 0);
    for (QMdiSubWindow* sub : subs) {
        sub->move(keptInside(at, sub->size(), area));
        sub->raise();
        // Each window starts right below the title bar of the one before.
        at += cascadeStep(sub);
    }
    if (active)
        mdiArea->setActiveSubWindow(active);
    arranged();
}

void TMDIForm::MUntereinanderClick()
{
    tile(true);
}

void TMDIForm::MNebeneinanderClick()
{
    tile(false);
}

QList<QMdiSubWindow*> TMDIForm::arrangedWindows() const
{
    QList<QMdiSubWindow*> subs;
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized() && !sub->isHidden())
            subs << sub;
    }
    return subs;
}

// The area the windows are arranged in: the frame's window area, or, while the frame fits
// itself around its windows, the largest one the screen leaves it.
QSize TMDIForm::arrangingArea() const
{
    if (MRahmenAuto->isChecked()) {
        const QSize border = outerBounds().size() - mdiArea->size();
        return screenSize() - border - QSize(4, 4);
    }
    return mdiArea->contentsRect().size();
}

QPoint TMDIForm::cascadeStep(const QMdiSubWindow* sub)
{
    const int title = sub->widget() ? sub->widget()->mapTo(sub, QPoint(0, 0)).y() : 0;
    return {title, title};
}

// A new window goes beside the active one on its right, else at the start of the row below
// it, else right below it: the first of these places that lies inside the area and covers no
// shown window. Without one it goes a title bar below and right of the active window, as
// cascaded; the first window goes to the top left corner.
QPoint TMDIForm::newWindowPlace(QSize size, const QMdiSubWindow* active) const
{
    if (!active)
        return {0, 0};
    const QRect beside = active->geometry();
    const QRect area(QPoint(0, 0), arrangingArea());
    const QList<QMdiSubWindow*> shown = arrangedWindows();
    for (const QPoint at : {QPoint(beside.right() + 1, beside.top()), QPoint(0, beside.bottom() + 1),
                            QPoint(beside.left(), beside.bottom() + 1)}) {
        const QRect place(at, size);
        if (area.contains(place)
            && std::none_of(shown.cbegin(), shown.cend(), [&](const QMdiSubWindow* sub) { return sub->geometry().intersects(place); }))
            return at;
    }
    return keptInside(beside.topLeft() + cascadeStep(active), size, area.size());
}

// A window at `at`, moved back as far as needed to lie inside the area (a window larger than
// the area at its top left corner).
QPoint TMDIForm::keptInside(QPoint at, QSize size, QSize area)
{
    return {std::max(0, std::min(at.x(), area.width() - size.width())),
            std::max(0, std::min(at.y(), area.height() - size.height()))};
}

// The windows keep their fixed sizes, so tiling lines them up one below the other (rows) or
// side by side (columns) from the top left corner, instead of cutting the area into a grid. A
// window that would leave the area starts the next column (row) while one still fits beside
// (below) the others; a column (row) longer than the area overlaps its windows evenly, each
// below the title bar (to the right and below it) of the one before, so that none lies outside.
void TMDIForm::tile(bool rows)
{
    const QSize area = arrangingArea();
    // Along a line and across it.
    const auto along = [rows](QSize s) { return rows ? s.height() : s.width(); };
    const auto across = [rows](QSize s) { return rows ? s.width() : s.height(); };
    const int lineLength = along(area);
    const int areaAcross = across(area);

    QList<QList<QMdiSubWindow*>> lines(1);
    int used = 0, lineAcross = 0, lineUsed = 0;
    for (QMdiSubWindow* sub : arrangedWindows()) {
        const QSize size = sub->size();
        const bool full = !lines.last().isEmpty() && lineUsed + along(size) > lineLength;
        if (full && used + lineAcross + across(size) <= areaAcross) {
            used += lineAcross;
            lines.append(QList<QMdiSubWindow*>());
            lineAcross = lineUsed = 0;
        }
        lines.last() << sub;
        lineUsed += along(size);
        lineAcross = std::max(lineAcross, across(size));
    }

    used = 0;
    for (const QList<QMdiSubWindow*>& line : std::as_const(lines)) {
        int total = 0, thickest = 0;
        for (const QMdiSubWindow* sub : line) {
            total += along(sub->size());
            thickest = std::max(thickest, across(sub->size()));
        }
        // Too long for the area: each window starts an even step after the one before.
        const bool squeezed = total > lineLength && line.size() > 1;
        int step = squeezed ? std::max(0, lineLength - along(line.last()->size())) / int(line.size() - 1) : 0;
        // One below the other, a step never hides the title bar of the window before.
        if (rows && squeezed && line.first()->widget())
            step = std::max(step, line.first()->widget()->y());
        // Side by side, squeezed windows also step down by a title bar, so each one shows
        // its title bar whole.
        int position = 0, drop = 0;
        for (QMdiSubWindow* sub : line) {
            const QPoint at = rows ? QPoint(used, position) : QPoint(position, used + drop);
            sub->move(keptInside(at, sub->size(), area));
            sub->raise();
            position += squeezed ? step : along(sub->size());
            if (squeezed && sub->widget())
                drop += sub->widget()->y();
        }
        used += thickest;
    }
    arranged();
}

// After arranging, a frame that fits itself does so at once, as after opening a window.
void TMDIForm::arranged()
{
    if (MRahmenAuto->isChecked())
        MRahmenanpassenClick();
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
    arranged();
}

} // namespace vdl
