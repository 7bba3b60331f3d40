#include "calculator/Benennen.h"
#include "calculator/LayoutFile.h"
#include "calculator/Pictures.h"
#include "calculator/RechnerMDI.h"
#include "calculator/WindowModel.h"
#include "platform/Prompter.h"
#include "toolkit/vdlInput.h"
#include "toolkit/vdlTools_forms.h"
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace vdl {

namespace {

// Renaming and closing act on the window with this number in the frame's model; captions,
// link boxes and the window list all show the model.
void renameWindow(int Nummer, const QString& Name)
{
    if (MDIForm)
        MDIForm->windowModel().rename(Nummer, Name);
}

// The window runs its close handling and goes.
void deleteWindow(int Nummer)
{
    if (MDIForm)
        MDIForm->closeWindow(Nummer);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int image, const QRect& bounds)
{
    auto* b = new QPushButton(Images(image), caption, parent);
    b->setObjectName(name);
    b->setGeometry(bounds);
    return b;
}

void show(bool renaming)
{
    TBenennenForm form(QApplication::activeWindow());
    form.Umbenennen->setEnabled(renaming);
    Prompter::current().runDialog(form);
}

} // namespace

TBenennenForm::TBenennenForm(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("BenennenForm"));
    setWindowTitle(QStringLiteral("Rechner/Speicher benennen"));
    setFont(DialogFont());
    setFixedSize(370, 126);

    Liste = new QListWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setGeometry(12, 16, 212, 99);
    Umbenennen = button(this, QStringLiteral("Umbenennen"), QStringLiteral("&Umbenennen"), ImgBenennen, {237, 16, 119, 28});
    Loeschen = button(this, QStringLiteral("Loeschen"), QStringLiteral("Löschen"), ImgLoeschen, {237, 50, 119, 28});
    Schliessen = button(this, QStringLiteral("Schliessen"), QStringLiteral("Schli&eßen"), ImgBeenden, {237, 85, 119, 28});
    Schliessen->setDefault(true);
    connect(Umbenennen, &QPushButton::clicked, this, &TBenennenForm::UmbenennenClick);
    connect(Loeschen, &QPushButton::clicked, this, &TBenennenForm::LoeschenClick);
    connect(Schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(Liste, &QListWidget::itemDoubleClicked, this, &TBenennenForm::ListeDblClick);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        setGeometry(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2, width(), height());
    }
    FormCreate();
}

void TBenennenForm::FormCreate()
{
    if (!MDIForm)
        return;
    for (const WindowEntry& window : MDIForm->windowModel().entries()) {
        auto* item = new QListWidgetItem(window.name, Liste);
        item->setData(Qt::UserRole, window.number);
    }
}

void TBenennenForm::UmbenennenClick()
{
    const QList<QListWidgetItem*> selected = Liste->selectedItems();
    if (selected.isEmpty())
        return;
    QString name;
    if (!ShowInputBox(QStringLiteral("Neue Bezeichnung:"), name, false, -1, QString()))
        return;
    // A name the layout file would give back otherwise, or not at all, is not taken.
    if (!LayoutCanHold(name)) {
        ShowMessage(QStringLiteral("Dieser Name kann nicht gespeichert werden!"), QStringLiteral("Warnung"),
                    mb::Ok | mb::IconError);
        return;
    }
    renameWindow(selected.first()->data(Qt::UserRole).toInt(), name);
    selected.first()->setText(name);
}

void TBenennenForm::LoeschenClick()
{
    const QList<QListWidgetItem*> selected = Liste->selectedItems();
    if (!selected.isEmpty())
        deleteWindow(selected.first()->data(Qt::UserRole).toInt());
    reject();
}

// In the delete dialog a double-click renames nothing, as the greyed button says.
void TBenennenForm::ListeDblClick()
{
    if (Umbenennen->isEnabled())
        UmbenennenClick();
}

void ShowRenameDialog()
{
    show(true);
}

void ShowDeleteDialog()
{
    show(false);
}

} // namespace vdl
