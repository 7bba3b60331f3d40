#include "toolkit/vdlGridPos.h"
#include "platform/NumText.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_strings.h"
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextEdit>

namespace vdl {

namespace {

QString formName(const QWidget* w)
{
    const QWidget* form = ParentForm(const_cast<QWidget*>(w));
    return form ? form->objectName() : QString();
}

int columnId(QTableView* grid, int col)
{
    if (auto* strings = qobject_cast<QTableWidget*>(grid)) {
        const QTableWidgetItem* item = strings->rowCount() > 0 ? strings->item(0, col) : nullptr;
        return item ? item->data(Qt::UserRole).toInt() : 0;
    }
    return grid->horizontalHeader()->logicalIndex(col);
}

QString joined(QTableView* grid, bool ids)
{
    QStringList items;
    const int columns = grid->model() ? grid->model()->columnCount() : 0;
    for (int i = 0; i < columns; ++i) {
        const int logical = grid->horizontalHeader()->logicalIndex(i);
        items << IntToStr(ids ? columnId(grid, i) : grid->columnWidth(logical));
    }
    return items.join(QLatin1Char(';'));
}

// Grids among the form's children, depth first.
QList<QTableView*> gridsOf(QWidget* form)
{
    return form ? form->findChildren<QTableView*>() : QList<QTableView*>();
}

} // namespace

void RestoreGridLayout(QWidget* Form, QTableView* Grid, const QString& DefaultWidths, int FillCol)
{
    if (!Form || !Grid || !Grid->model())
        return;
    QStringList defaults;
    SplitStr(DefaultWidths, QStringLiteral(";"), defaults);
    const QString name = Grid->objectName();
    const int columns = Grid->model()->columnCount();
    QStringList widths, ids;
    ReadSettingList(QStringLiteral("%\\GridFix"), name, Form, widths, true);
    ReadSettingList(QStringLiteral("%\\GridIDs"), name, Form, ids, true);
    if (auto* strings = qobject_cast<QTableWidget*>(Grid)) {
        for (int i = 0; i < columns; ++i) {
            const int fallback = i < defaults.size() ? StrToIntDef(defaults[i], 0) : strings->columnWidth(i);
            strings->setColumnWidth(i, i < widths.size() ? StrToIntDef(widths[i], fallback) : fallback);
            if (strings->rowCount() > 0) {
                if (!strings->item(0, i))
                    strings->setItem(0, i, new QTableWidgetItem);
                strings->item(0, i)->setData(Qt::UserRole, i < ids.size() ? StrToIntDef(ids[i], i) : i);
            }
        }
    } else {
        QHeaderView* header = Grid->horizontalHeader();
        for (int i = 0; i < ids.size() && i < columns; ++i) {
            const int id = StrToIntDef(ids[i], 0);
            if (id >= 0 && id < columns)
                header->moveSection(header->visualIndex(id), i);
        }
        // A column without a usable stored width keeps its current one.
        int width = 0;
        for (int i = 0; i < widths.size() && i < columns; ++i) {
            if (TryStrToInt(widths[i], width))
                Grid->setColumnWidth(header->logicalIndex(i), width);
        }
    }
    FitGridColumn(Grid, FillCol, 0);
    RestoreGridFont(Grid);
    RestoreControlColor(Grid);
}

void RestoreGrid(QTableView* Grid, const QString& DefaultWidths, int FillCol)
{
    RestoreGridLayout(ParentForm(Grid), Grid, DefaultWidths, FillCol);
}

void RestoreAllGrids(QWidget* Form, const QString&, int)
{
    for (QTableView* grid : gridsOf(Form))
        RestoreGrid(grid, QString(), -1);
}

void SaveGridLayout(QWidget* Form, QTableView* Grid)
{
    if (!Form || !Grid || !Grid->model())
        return;
    const QString key = QStringLiteral("%\\GridFix\\") + Form->objectName();
    WriteSetting(key, Grid->objectName(), joined(Grid, false), true, true);
    const bool strings = qobject_cast<QTableWidget*>(Grid) != nullptr;
    bool changed = false;
    for (int i = 0; i < Grid->model()->columnCount(); ++i) {
        const int id = columnId(Grid, i);
        changed = changed || (id != i && (!strings || id != 0));
    }
    const QString idKey = QStringLiteral("%\\GridIDs\\") + Form->objectName();
    if (changed)
        WriteSetting(idKey, Grid->objectName(), joined(Grid, true), true, true);
    else
        DeleteSetting(idKey, Grid->objectName(), true);
}

void SaveGrid(QTableView* Grid)
{
    SaveGridLayout(ParentForm(Grid), Grid);
}

void SaveAllGrids(QWidget* Form)
{
    for (QTableView* grid : gridsOf(Form))
        SaveGrid(grid);
}

void FitGridColumn(QTableView* Grid, int Col, int MinWidth)
{
    const int columns = Grid && Grid->model() ? Grid->model()->columnCount() : 0;
    if (Col < 0 || Col >= columns)
        return;
    int others = 0;
    for (int i = 0; i < columns; ++i) {
        if (i != Col)
            others += Grid->columnWidth(i) + 1; // the grid line
    }
    int width = Grid->viewport()->width() - others;
    if (MinWidth > 0)
        width = std::max(MinWidth, width);
    if (width > 0)
        Grid->setColumnWidth(Col, width);
}

void RestoreGridFont(QTableView* Grid)
{
    const QString text = ReadSettingEx(QStringLiteral("%\\GridFont\\") + formName(Grid), Grid->objectName(), true);
    if (text.isEmpty())
        return;
    QFont font;
    StrToFont(text, font);
    Grid->setFont(font);
    Grid->horizontalHeader()->setFont(font);
}

void RestoreControlColor(QWidget* Control)
{
    const QString text = ReadSettingEx(QStringLiteral("%\\Color\\") + formName(Control), Control->objectName(), true);
    if (text.isEmpty())
        return;
    // A stored text that is no number (a colour's name, say) leaves the control's colour, as
    // does a system colour: what the control shows already.
    int color = 0;
    if (!TryStrToInt(text, color) || color < 0)
        return;
    const QColor c(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    QPalette palette = Control->palette();
    if (qobject_cast<QLineEdit*>(Control) || qobject_cast<QAbstractItemView*>(Control)
        || qobject_cast<QTextEdit*>(Control)) {
        palette.setColor(QPalette::Base, c);
    } else if (qobject_cast<QFrame*>(Control)) {
        palette.setColor(QPalette::Window, c);
        Control->setAutoFillBackground(true);
    } else {
        return;
    }
    Control->setPalette(palette);
}

} // namespace vdl
