#include "toolkit/vdlFormPos.h"

#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_misc.h"
#include "toolkit/vdlTools_strings.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vdl {

namespace {

const QString formFixKey = QStringLiteral("%\\FormFix");

bool isForm(QWidget* control) { return ParentForm(control) == control; }

QString valueName(QWidget* control, const QString& name)
{
    return name.isEmpty() ? control->objectName() : name;
}

// A control that is no form is kept under its form's own key.
QString positionKey(QWidget* control)
{
    if (isForm(control))
        return formFixKey;
    const QWidget* form = ParentForm(control);
    return formFixKey + QLatin1Char('\\') + (form ? form->objectName() : QString());
}

qreal screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

bool isInstalledFamily(const QString& family)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families) {
        if (f.compare(family, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Forms are laid out in pixels for 96 dpi; Qt already keeps pixels device-independent, so only
// point-sized fonts would grow on a denser screen.
void rescaleToStandardDpi(QWidget* form)
{
    QFont font = form->font();
    if (font.pointSizeF() <= 0)
        return;
    font.setPointSizeF(font.pointSizeF() * 96.0 / screenDpi());
    form->setFont(font);
}

// The form's font with what the font text says; a bad size or colour keeps what the form had.
void applyFixedFont(QWidget* form, const QString& name)
{
    QString text = ReadSetting(QStringLiteral("%\\FontFix"), name);
    if (text.isEmpty())
        text = ReadSetting(QStringLiteral("%"), QStringLiteral("AppFont"));
    QFont font = form->font();
    if (!text.isEmpty()) {
        TColor color = -1;
        StrToFont(text, font, color);
        // System colours (negative) are what the palette already holds.
        if (color >= 0) {
            int r, g, b;
            QString unused;
            ColorToRGBText(color, r, g, b, unused);
            QPalette palette = form->palette();
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                palette.setColor(role, QColor(r, g, b));
            form->setPalette(palette);
        }
    }
    if (!isInstalledFamily(font.family()))
        font.setFamily(QStringLiteral("Arial"));
    form->setFont(font);
}

} // namespace

bool FormFixEnabled()
{
    return ReadSettingEx(QStringLiteral("%"), QStringLiteral("FormFix"), true) == QLatin1String("1");
}

bool IsStandardDpi()
{
    return qRound(screenDpi()) == 96;
}

void RestoreFormPos(QWidget* control, const QString& name)
{
    if (!control)
        return;
    const bool form = isForm(control);
    if (form && !IsStandardDpi())
        rescaleToStandardDpi(control);
    const QString n = valueName(control, name);
    if (form)
        applyFixedFont(control, n);
    if (!FormFixEnabled())
        return;

    QString state = ReadSettingEx(positionKey(control), n, true);
    QString bounds;
    SplitLast(state, bounds, QStringLiteral(":"));
    Rect r;
    if (!StrToRect(bounds, r))
        return;
    // A fixed-size dialog keeps its designed size: Qt holds it to its minimum and maximum.
    control->setGeometry(r.toQRect());
    if (form && state == QLatin1String("1"))
        control->setWindowState(control->windowState() | Qt::WindowMinimized);
    else if (form && state == QLatin1String("2"))
        control->setWindowState(control->windowState() | Qt::WindowMaximized);
}

void SaveFormPos(QWidget* control, const QString& name)
{
    if (!control || !FormFixEnabled())
        return;
    const QString n = valueName(control, name);
    if (!isForm(control)) {
        WriteSetting(positionKey(control), n, RectToStr(Rect::fromQRect(control->geometry())), true, true);
        return;
    }
    QString state;
    if (control->isMinimized())
        state = QStringLiteral("1:");
    else if (control->isMaximized())
        state = QStringLiteral("2:");
    // Read before the state changes: the platform may resize the window only later, while Qt
    // keeps the normal bounds of a maximised window at hand.
    const QRect bounds = control->normalGeometry().isValid() ? control->normalGeometry() : control->geometry();
    if (!state.isEmpty())
        control->setWindowState(control->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    WriteSetting(formFixKey, n, state + RectToStr(Rect::fromQRect(bounds)), true, true);
}

} // namespace vdl
