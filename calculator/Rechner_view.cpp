// Rendering: the widgets take over the core's state after every change.
#include "calculator/KeyTable.h"
#include "calculator/Rechner.h"
#include "calculator/TapeDelegate.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace vdl {

namespace {

// A list shows `items`; it is refilled only when they changed, so a popup stays usable. The
// items last filled in are kept beside it: reading them back from the list costs more.
void syncItems(QComboBox* list, const QStringList& items)
{
    if (list->property("filledWith").toStringList() != items) {
        list->clear();
        list->addItems(items);
        list->setProperty("filledWith", items);
    }
}

// Lists in the decimal systems have the window colour, greyed ones the button face.
void setListColour(QComboBox* list, bool on)
{
    const QPalette& window = list->parentWidget()->palette();
    const QColor wanted = window.color(on ? QPalette::Base : QPalette::Button);
    if (list->palette().color(QPalette::Button) == wanted)
        return;
    QPalette palette = window;
    palette.setColor(QPalette::Button, wanted);
    list->setPalette(palette);
}

// A widget announces a new tooltip even when it is the same; most renders change none.
void setHint(QWidget* widget, const QString& hint)
{
    if (widget->toolTip() != hint)
        widget->setToolTip(hint);
}

bool sameKeys(const std::array<RechnerCore::KeyState, RechnerCore::KeyCount>& a,
              const std::array<RechnerCore::KeyState, RechnerCore::KeyCount>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
        return x.enabled == y.enabled && x.visible == y.visible && x.caption == y.caption;
    });
}

} // namespace

void TRechnerForm::render()
{
    Eingabe->setText(m_core.Eingabe);
    EingabeOp->setText(RechnerCore::operatorGlyph(m_core.EingabeOp));
    EAnzeige->setText(m_core.EAnzeige);
    if (PnlWaehrung->isHidden() == m_core.PnlWaehrung.visible) {
        PnlWaehrung->setVisible(m_core.PnlWaehrung.visible);
        // The tape's height counts now: it decides where the tape scrolls to below.
        PnlWaehrung->parentWidget()->layout()->activate();
    }
    PnlWaehrung->setText(m_core.PnlWaehrung.caption);
    setHint(PnlWaehrung, m_core.PnlWaehrung.hint);
    if (AutoPanel->isHidden() == m_core.AutoPanelVisible) {
        AutoPanel->setVisible(m_core.AutoPanelVisible);
        if (m_core.AutoPanelVisible)
            AutoPanel->raise();
    }
    mPostenZaehlen->setChecked(m_core.mPostenZaehlen);
    mMinuswerteRot->setChecked(m_core.mMinuswerteRot);
    mNurHauptSysteme->setChecked(m_core.mNurHauptSysteme);
    mNurHauptSysteme->setEnabled(m_core.mNurHauptSystemeEnabled);
    renderLists();
    renderKeys();
    if (History->isVisible())
        m_core.setHistoryRows(History->viewport()->height() / TapeDelegate::ItemHeight);
    renderTape();
}

void TRechnerForm::renderLists()
{
    syncItems(Syst, m_core.SystItems);
    Syst->setCurrentIndex(m_core.SystIndex);
    DezSt->setCurrentIndex(m_core.DezStIndex);
    DezSt->setEnabled(m_core.DezStEnabled);
    Winkel->setCurrentIndex(m_core.WinkelIndex);
    Winkel->setVisible(m_core.WinkelVisible);
    Label5->setVisible(m_core.WinkelVisible);
    setHint(Winkel, m_core.WinkelHint);
    setHint(Label5, m_core.WinkelHint);
    setListColour(DezSt, m_core.DezStEnabled);
    setListColour(Winkel, m_core.DezStEnabled);
}

void TRechnerForm::renderKeys()
{
    // Most steps change no key; the keys are drawn again only when one did.
    std::array<RechnerCore::KeyState, RechnerCore::KeyCount> current;
    for (int k = 0; k < RechnerCore::KeyCount; ++k)
        current[k] = m_core.key(RechnerCore::Key(k));
    if (m_core.keyLayer() == m_renderedLayer && sameKeys(current, m_renderedKeys))
        return;
    m_renderedKeys = current;
    m_renderedLayer = m_core.keyLayer();
    for (int k = 0; k < RechnerCore::KeyCount; ++k) {
        const RechnerCore::KeyState& state = m_core.key(RechnerCore::Key(k));
        keys[k]->setText(state.caption);
        keys[k]->setEnabled(state.enabled);
    }
    ShowKeyLayer();
}

void TRechnerForm::ShowKeyLayer()
{
    for (int k = 0; k < RechnerCore::KeyCount; ++k) {
        const bool shown = m_core.keyShown(RechnerCore::Key(k));
        QPushButton* key = keys[k];
        key->setVisible(shown);
        // Restacking is dear; only a key that has just come to the front of a shared place
        // needs it.
        if (shown && !m_shownKeys[k] && keyRow(RechnerCore::Key(k)).layers != KeyRow::All)
            key->raise();
        m_shownKeys[k] = shown;
    }
}

} // namespace vdl
