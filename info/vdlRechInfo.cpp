#include "info/vdlRechInfo.h"
#include "info/GuideWriter.h"
#include "info/InfoResources.h"
#include "platform/Prompter.h"
#include "platform/UrlOpener.h"
#include "toolkit/vdlTools_forms.h"
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace vdl {

QPointer<TfvdlRechInfo> fvdlRechInfo;

const QString TfvdlRechInfo::AddressText =
    QStringLiteral("vdl Software\r\nLindenstraße 7\r\n12345 Musterstadt\r\nwww.vdl-software.example");
const QString TfvdlRechInfo::WebAddress = QStringLiteral("https://www.vdl-software.example/");

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int pixelSize, bool navyBold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->move(x, y);
    if (navyBold) {
        QFont font = l->font();
        font.setPixelSize(pixelSize);
        font.setBold(true);
        l->setFont(font);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
        l->setPalette(palette);
    }
    l->adjustSize();
    return l;
}

QLabel* picture(QWidget* parent, const char* name, const QString& resource, const QRect& bounds, bool scaled)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(bounds);
    l->setScaledContents(scaled);
    l->setPixmap(QPixmap(resource));
    return l;
}

} // namespace

TfvdlRechInfo::TfvdlRechInfo(QWidget* owner, const QString& Version) : QDialog(owner)
{
    initInfoResources();
    setObjectName(QStringLiteral("fvdlRechInfo"));
    setWindowTitle(QStringLiteral("Produktinformation"));
    // A dialog frame without buttons in the title: it closes through its button, Enter or Esc.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(DialogFont());
    setFixedSize(410, 439);
    move(414, 282);

    Image4 = picture(this, "Image4", QStringLiteral(":/info/produkt.jpg"), QRect(23, 16, 225, 173), true);
    Label5 = label(this, "Label5", QStringLiteral("vdlRechner"), 45, 81, 15, true);
    Label5->resize(181, 21);
    Label6 = label(this, "Label6", QStringLiteral("Version ") + Version, 44, 98, 11, true);
    Label7 = label(this, "Label7",
                   QStringLiteral("vdlRechner ist ein freies Programm. Es darf ohne Einschränkung genutzt und "
                                  "kostenlos weitergegeben, aber nicht verkauft werden.\n"
                                  "Die Nutzung geschieht auf eigene Gefahr. Eine Gewähr dafür, dass das Programm "
                                  "fehlerfrei oder wie erwartet arbeitet, wird nicht übernommen. Die Haftung für "
                                  "Schäden jeder Art, die aus seiner Nutzung entstehen, ist ausgeschlossen."),
                   24, 194, 12, false);
    Label7->setWordWrap(true);
    Label7->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label7->setGeometry(24, 194, 327, 113);
    Label1 = label(this, "Label1", QStringLiteral("Programm und Rechte:"), 126, 309, 12, true);
    // The whole address goes in, but the label is one line high: only the name shows.
    Label2 = label(this, "Label2", QString(AddressText).remove(QLatin1Char('\r')), 127, 330, 15, true);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(127, 330, 230, std::min(21, Label2->fontMetrics().height()));
    Label3 = label(this, "Label3", QStringLiteral("Lindenstraße 7"), 127, 346, 13, true);
    Label3->resize(230, 21);
    Label4 = label(this, "Label4", QStringLiteral("12345 Musterstadt"), 127, 361, 13, true);
    Label4->resize(230, 21);
    Image3 = picture(this, "Image3", QStringLiteral(":/info/emblem.png"), QRect(19, 312, 100, 111), false);
    Image2 = picture(this, "Image2", QStringLiteral(":/info/strip.png"), QRect(358, 14, 31, 406), false);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("Schli&eßen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(232, 395, 110, 26);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    Button2 = new QPushButton(QStringLiteral("Kurzanleitung"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(129, 396, 93, 25);
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, &TfvdlRechInfo::Button2Click);
}

void TfvdlRechInfo::Kurzanleitung()
{
    Button2->click();
}

void TfvdlRechInfo::Button2Click()
{
    OpenKurzanleitung();
}

void TfvdlRechInfo::Button3Click()
{
    UrlOpener::current().open(QUrl(WebAddress));
}

bool TfvdlRechInfo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Button3Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowRechInfo(QWidget* owner, const QString& Version)
{
    TfvdlRechInfo dialog(owner, Version);
    fvdlRechInfo = &dialog;
    Prompter::current().runDialog(dialog);
    fvdlRechInfo = nullptr;
}

} // namespace vdl
