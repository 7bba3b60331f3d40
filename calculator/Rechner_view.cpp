// Rendering: the widgets take over the core's state after every change.
#include "calculator/Rechner.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace vdl {

namespace {

// A list shows `items`; it is refilled only when they changed, so a popup stays usable.
void syncItems(QComboBox* list, const QStringList& items)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    if (shown != items) {
        list->clear();
        list->addItems(items);
    }
}

// Lists in the decimal systems have the window colour, greyed ones the button face.
void setListColour(QComboBox* list, bool on)
{
    QPalette palette = list->parentWidget()->palette();
    if (on)
        palette.setColor(QPalette::Button, palette.color(QPalette::Base));
    if (list->palette().color(QPalette::Button) != palette.color(QPalette::Button))
        list->setPalette(palette);
}

} // namespace

void TRechnerForm::render()
{
    Eingabe->setText(m_core.Eingabe);
    EingabeOp->setText(RechnerCore::operatorGlyph(m_core.EingabeOp));
    EAnzeige->setText(m_core.EAnzeige);
    PnlWaehrung->setVisible(m_core.PnlWaehrung.visible);
    PnlWaehrung->setText(m_core.PnlWaehrung.caption);
    PnlWaehrung->setToolTip(m_core.PnlWaehrung.hint);
    AutoPanel->setVisible(m_core.AutoPanelVisible);
    if (m_core.AutoPanelVisible)
        AutoPanel->raise();
    mPostenZaehlen->setChecked(m_core.mPostenZaehlen);
    mMinuswerteRot->setChecked(m_core.mMinuswerteRot);
    mNurHauptSysteme->setChecked(m_core.mNurHauptSysteme);
    mNurHauptSysteme->setEnabled(m_core.mNurHauptSystemeEnabled);
    renderLists();
    renderKeys();
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
    Winkel->setToolTip(m_core.WinkelHint);
    Label5->setToolTip(m_core.WinkelHint);
    setListColour(DezSt, m_core.DezStEnabled);
    setListColour(Winkel, m_core.DezStEnabled);
}

void TRechnerForm::renderKeys()
{
    for (int k = 0; k < RechnerCore::KeyCount; ++k) {
        const RechnerCore::KeyState& state = m_core.key(RechnerCore::Key(k));
        keys[k]->setText(state.caption);
        keys[k]->setEnabled(state.enabled);
    }
    // Printing the tape comes with the print dialog; until then its key stays grey.
    keys[RechnerCore::BHistDruck]->setEnabled(false);
    ShowKeyLayer();
}

void TRechnerForm::ShowKeyLayer()
{
    // Keys at a shared place show only when their layer is in front; the rest follow the core.
    QList<QPushButton*> front;
    QList<QPoint> places;
    for (int p = 0; p < RechnerCore::PlaceCount; ++p) {
        QPoint at;
        RechnerCore::placePosition(p, at.rx(), at.ry());
        places << at;
        front << keys[m_core.keyAtPlace(p)];
    }
    for (int k = 0; k < RechnerCore::KeyCount; ++k) {
        QPushButton* key = keys[k];
        if (places.contains(key->pos()))
            key->setVisible(front.contains(key));
        else
            key->setVisible(m_core.key(RechnerCore::Key(k)).visible);
    }
    for (QPushButton* key : front)
        key->raise();
}

} // namespace vdl
