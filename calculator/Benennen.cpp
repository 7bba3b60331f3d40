#include "calculator/Benennen.h"
#include "calculator/LayoutFile.h"
#include "calculator/Pictures.h"
#include "calculator/WindowHost.h"
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

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int image, const QRect& bounds)
{
    auto* b = new QPushButton(Images(image), caption, parent);
    b->setObjectName(name);
    b->setGeometry(bounds);
    return b;
}

void show(WindowHost& host, bool renaming)
{
    TBenennenForm form(host, QApplication::activeWindow());
    form.Umbenennen->setEnabled(renaming);
    Prompter::current().runDialog(form);
}

} // namespace

TBenennenForm::TBenennenForm(WindowHost& host, QWidget* parent) : QDialog(parent, Qt::Tool), m_host(host)
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

// Renaming and closing act on the window of the item's number in the frame's model; captions,
// link boxes and the window list all show the model.
void TBenennenForm::FormCreate()
{
    for (const WindowEntry& window : m_host.windowModel().entries()) {
        auto* item = new QListWidgetItem(window.name, Liste);
        item->setData(Qt::UserRole, window.number);
    }
}

QString TBenennenForm::nameRefusal(int Nummer, const QString& Name) const
{
    switch (m_host.windowModel().checkName(Nummer, Name)) {
    case WindowModel::NameCheck::Empty: return QStringLiteral("Der Name darf nicht leer sein!");
    case WindowModel::NameCheck::Taken: return QStringLiteral("Dieser Name ist bereits vergeben!");
    case WindowModel::NameCheck::Free: break;
    }
    // A name the layout file would give back otherwise, or not at all, is not taken.
    if (!LayoutCanHold(Name.trimmed()))
        return QStringLiteral("Dieser Name kann nicht gespeichert werden!");
    return QString();
}

void TBenennenForm::UmbenennenClick()
{
    const QList<QListWidgetItem*> selected = Liste->selectedItems();
    if (selected.isEmpty())
        return;
    const int number = selected.first()->data(Qt::UserRole).toInt();
    QString name;
    if (!ShowInputBox(QStringLiteral("Neue Bezeichnung:"), name, false, -1, QString(),
                      [&](const QString& text) { return nameRefusal(number, text); }))
        return;
    // Every window of the old name takes the new one, as the list shows.
    WindowModel& model = m_host.windowModel();
    if (!model.rename(number, name))
        return;
    for (int i = 0; i < Liste->count(); ++i) {
        if (const WindowEntry* window = model.find(Liste->item(i)->data(Qt::UserRole).toInt()))
            Liste->item(i)->setText(window->name);
    }
}

void TBenennenForm::LoeschenClick()
{
    const QList<QListWidgetItem*> selected = Liste->selectedItems();
    if (!selected.isEmpty()) // the window runs its close handling and goes
        m_host.closeWindow(selected.first()->data(Qt::UserRole).toInt());
    reject();
}

// In the delete dialog a double-click renames nothing, as the greyed button says.
void TBenennenForm::ListeDblClick()
{
    if (Umbenennen->isEnabled())
        UmbenennenClick();
}

void ShowRenameDialog(WindowHost& host)
{
    show(host, true);
}

void ShowDeleteDialog(WindowHost& host)
{
    show(host, false);
}

} // namespace vdl
