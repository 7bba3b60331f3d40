#include "calculator/vdlClipMod.h"
#include "platform/Prompter.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlTools_forms.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

namespace vdl {

void EditClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) {
        ShowMessage(QStringLiteral("Die Zwischenablage enthält keinen Text!"), QStringLiteral("Geht nicht!"),
                    mb::Ok | mb::IconError);
        return;
    }
    TfvdlClipMod dialog;
    Prompter::current().runDialog(dialog);
}

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setFixedSize(90, 26);
    return b;
}
} // namespace

TfvdlClipMod::TfvdlClipMod(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fvdlClipMod"));
    setWindowTitle(QStringLiteral("Zwischenablage bearbeiten"));
    setFont(DialogFont());

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    auto* Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    form->addWidget(Panel1);
    auto* panel = new QVBoxLayout(Panel1);
    panel->setContentsMargins(8, 8, 8, 8);
    panel->setSpacing(0);

    Memo = new QPlainTextEdit(Panel1);
    Memo->setObjectName(QStringLiteral("Memo"));
    // A tape keeps one entry per line; long lines scroll sideways instead of wrapping.
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->addWidget(Memo);

    auto* Buttons = new QWidget(Panel1);
    Buttons->setObjectName(QStringLiteral("Buttons"));
    Buttons->setFixedHeight(38);
    auto* row = new QHBoxLayout(Buttons);
    row->setContentsMargins(0, 12, 9, 0);
    row->setSpacing(0);
    row->addStretch();
    BtnSpeichern = button(Buttons, "BtnSpeichern", QStringLiteral("&Speichern"));
    BtnLoeschen = button(Buttons, "BtnLoeschen", QStringLiteral("&Löschen"));
    BtnSchliessen = button(Buttons, "BtnSchliessen", QStringLiteral("Schli&eßen"));
    BtnSchliessen->setDefault(true);
    row->addWidget(BtnSpeichern);
    row->addSpacing(10);
    row->addWidget(BtnLoeschen);
    row->addSpacing(9);
    row->addWidget(BtnSchliessen);
    panel->addWidget(Buttons);

    connect(BtnSpeichern, &QPushButton::clicked, this, &TfvdlClipMod::BtnSpeichernClick);
    connect(BtnLoeschen, &QPushButton::clicked, this, &TfvdlClipMod::BtnLoeschenClick);
    connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::reject);

    // Centred on the screen first, so that a kept position wins.
    resize(399, 346);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->availableGeometry();
        setGeometry(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2, width(), height());
    }
    RestoreFormPos(this);
    const QString text = QGuiApplication::clipboard()->text();
    m_crlf = text.contains(QLatin1String("\r\n"));
    Memo->setPlainText(text);
    Memo->setFocus();
}

void TfvdlClipMod::BtnSpeichernClick()
{
    // Only the selection goes back; without one the clipboard keeps what it holds. The edit
    // keeps lines apart by LF alone; the text goes back with the line ends it came with.
    QString selected = Memo->textCursor().selection().toPlainText();
    if (!selected.isEmpty()) {
        if (m_crlf)
            selected.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        QGuiApplication::clipboard()->setText(selected);
    }
    accept();
}

void TfvdlClipMod::BtnLoeschenClick()
{
    QGuiApplication::clipboard()->clear();
    Memo->clear();
    accept();
}

void TfvdlClipMod::done(int r)
{
    SaveFormPos(this);
    QDialog::done(r);
}

} // namespace vdl
