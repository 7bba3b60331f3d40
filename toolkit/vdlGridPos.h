#pragma once
// Column widths and column order of grids kept in the settings store (current user), and a
// stored font and colour applied to grids and other controls. A string grid is a
// QTableWidget (a column's id in its row-0 cell, Qt::UserRole); any other QTableView is a
// data grid, whose ids are its columns' logical indexes.
#include <QString>

class QTableView;
class QWidget;

namespace vdl {

// Widths from "%\GridFix\<form>" (else DefaultWidths, "w0;w1;..."), ids from
// "%\GridIDs\<form>", then FillCol fills the grid, and font and colour are applied.
void RestoreGridLayout(QWidget* Form, QTableView* Grid, const QString& DefaultWidths, int FillCol);
void RestoreGrid(QTableView* Grid, const QString& DefaultWidths, int FillCol);
// Every grid on Form, each with no default widths and no fill column.
void RestoreAllGrids(QWidget* Form, const QString& DefaultWidths, int FillCol);
void SaveGridLayout(QWidget* Form, QTableView* Grid);
void SaveGrid(QTableView* Grid);
void SaveAllGrids(QWidget* Form);
// Column Col takes the width the other columns leave (at least MinWidth when that is > 0).
void FitGridColumn(QTableView* Grid, int Col, int MinWidth);
// Font text of "%\GridFont\<form>", colour of "%\Color\<form>" ($BBGGRR), when stored.
void RestoreGridFont(QTableView* Grid);
void RestoreControlColor(QWidget* Control);

} // namespace vdl
