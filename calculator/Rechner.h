#pragma once
// A calculator or memory window: it shows one RechnerCore and hands every key, click and drop
// to it. All state lives in the core; after each change the window renders it again.
#include "calculator/RechnerCore.h"
#include <QList>
#include <QSet>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QIcon;
class QComboBox;
class QFrame;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace vdl {

class LinkChoices;
class WindowHost;
class WindowModel;
struct MenuItem;

class TRechnerForm : public QWidget {
    Q_OBJECT
public:
    explicit TRechnerForm(QWidget* parent = nullptr);
    ~TRechnerForm() override;

    RechnerCore& core() { return m_core; }
    const RechnerCore& core() const { return m_core; }
    // The frame the window lives in; the window asks it for everything beyond itself.
    void setHost(WindowHost* host);
    // Shows the window's entry of the model: caption, link box, memory keys, automatic transfer.
    // With renamed, only those windows may have changed their names since the last time.
    void renderModel(const WindowModel& model, const QSet<int>* renamed = nullptr);

    // The one entry for input; an error (vdl::FloatError, vdl::Error) ends the text and is
    // shown in the application's error box.
    void InputProcessing(const QString& Text, bool FromButton);
    void SetTyp(const QString& Typ);
    void SelectCurrency(int Index);
    // Brings the key layer of the held Shift/Ctrl keys to the front.
    void ShowKeyLayer();
    // The tape's menu commands: every line or only the marked ones to the clipboard, and
    // removing the marked lines.
    void HistoryToClipboard(bool MarkedOnly);
    void MMarkLoeschenClick();

    // Memory links (kept in the frame's model, shown in Kombi) and automatic transfer.
    TRechnerForm* memoryWindow() const; // null without a link
    void KombiChange(); // the user chose in Kombi
    void FormActivate();
    void MemoryOperation(const QString& Op); // "+", "-", "R" or "C"
    void MNSpeicherVClick();
    void MNRechnerVClick();
    void MSpeicherTrennenClick();
    void MSpeicherLoeschenClick();
    void AutoEinClick();
    void AutoAusClick();
    void SetAutoMemory(bool Value);
    void Automatik(int System, int CurrencyIndex);
    void FormClose();
    // Layouts: "Einstellungen &speichern" (and "Speichern" of the pop-up), "Einstellungen &laden".
    void MEinstSpeichernClick();
    void MEinstellungenLadenClick();

    QSize sizeHint() const override { return {347, 279}; }

    int FNummer = 0;   // the frame's running number of this window
    int FSpeicher = 0; // number of the window it sends to, as the model says; 0 for none

    // Components, named as everywhere in the program.
    QFrame* Panel3 = nullptr; // entry panel, also the drop target for tape lines
    QLabel* Eingabe = nullptr;
    QLabel* EingabeOp = nullptr;
    QLabel* EAnzeige = nullptr;
    QLabel* PnlWaehrung = nullptr;
    QListWidget* History = nullptr;
    QFrame* AutoPanel = nullptr;
    QLabel* Label1 = nullptr; // "System:"
    QLabel* Label3 = nullptr; // "Speicher:"
    QLabel* Label5 = nullptr; // " Winkelmaß:"
    QComboBox* Syst = nullptr;
    QComboBox* Kombi = nullptr; // item 0 "(kein Speicher)"; item data = window number; a view of the model
    QComboBox* DezSt = nullptr;
    QComboBox* Winkel = nullptr;
    std::array<QPushButton*, RechnerCore::KeyCount> keys{}; // indexed by RechnerCore::Key

    // The window's own menus "&Datei" and "&Bearbeiten", merged into the frame's menu bar.
    QList<QMenu*> HauptMenue;
    QAction* MEinstellungenLaden = nullptr;
    QAction* MEinstellungenSpeichern = nullptr;
    QAction* MDrucken = nullptr;
    QAction* MDruckerEinrichten = nullptr;
    QAction* MLoeschen = nullptr;
    QAction* MAllesSchliessen = nullptr;
    QAction* MBeenden = nullptr;
    QAction* MHistorieSpeichern = nullptr;
    QAction* MHistorieLoeschen = nullptr;
    QAction* MHistorieZwischen = nullptr;
    QAction* MZwischenablageBearbeiten = nullptr;
    QAction* mPostenZaehlen = nullptr;
    QAction* mMinuswerteRot = nullptr;
    QAction* mNurHauptSysteme = nullptr;
    QAction* mwaehrungen = nullptr;
    QAction* MUmbenennen = nullptr;
    QAction* MRahmenAnpassen = nullptr;

    // Pop-up menus of the window. Most windows never open one, so all of them are built the
    // first time any is asked for; the actions below exist from then on.
    QMenu* PAutoMemo();
    QMenu* PSpeicher();
    QMenu* AutoSysPopup();
    QMenu* popWaehrung();
    QAction* MNRechnerV = nullptr;
    QAction* MNSpeicherV = nullptr;
    QAction* MSpeicherTrennen = nullptr;
    QAction* MSpeicherLoeschen = nullptr;
    QAction* MAutoEin = nullptr; // "Automatik" in PSpeicher
    QAction* MAutoAus = nullptr;
    QAction* AutoEin = nullptr;  // "Automatik" in PAutoMemo
    QAction* AutoAus = nullptr;
    QAction* AutoSys = nullptr;  // heading of AutoSysPopup
    QAction* Auto2 = nullptr;
    QAction* Auto4 = nullptr;
    QAction* Auto8 = nullptr;
    QAction* Auto10 = nullptr;
    QAction* Auto16 = nullptr;
    QAction* AutoRom = nullptr;
    QAction* AutoDatum = nullptr;
    QAction* AutoMDat = nullptr;

signals:
    void fitFrameRequested(); // "&Rahmen anpassen"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanels();
    void buildKeys();
    void buildMenus();
    void buildPopups();
    void installKeyPreview(QWidget* widget);
    static QIcon keyPicture(RechnerCore::Key key);

    // Runs a handler of a click or menu item; an error is shown in the application's box.
    void guarded(const std::function<void()>& handler);

    void render();
    void renderKeys();
    void renderLists();
    void renderTape();

    bool FormKeyPress(QObject* watched, QKeyEvent* event); // true when the key was taken
    void resyncModifiers();
    void reenterTapeLine(int row);
    bool tapeMouseEvent(QEvent* event); // true when used up: a drag, a right click
    bool tapeDropEvent(QEvent* event);  // drag-over and drop on the entry panel
    void fillCurrencyMenu();
    // One item "name  (rate)" per currency of the frame's lists, except the one shown here.
    void addCurrencyItems(QMenu* menu, const std::function<void(int)>& choose);
    std::vector<MenuItem> dateiItems();
    std::vector<MenuItem> bearbeitenItems();
    std::vector<MenuItem> autoMemoItems();
    std::vector<MenuItem> speicherItems();
    MenuItem automatikItem(QAction*& ein, QAction*& aus); // "Automatik" with its two items
    void buildAutoSysPopup();
    void PSpeicherPopup();
    void AutoSysPopupPopup();
    void FillAutoCurrencyMenu();
    void AutoWaehrungClick(int Index);
    TRechnerForm* newLinkedWindow(const QString& Typ);
    void showCurrencyPopup();
    void mwaehrungenClick(); // the currency list
    void MAllesSchliessenClick();
    void closeWindow();

    RechnerCore m_core;
    WindowHost* m_host = nullptr;
    QMenu* m_autoMemo = nullptr; // the pop-ups, once built
    QMenu* m_speicher = nullptr;
    QMenu* m_autoSys = nullptr;
    QMenu* m_waehrung = nullptr;
    int m_renderedTopIndex = -1;
    std::array<bool, RechnerCore::KeyCount> m_shownKeys{}; // as last shown
    std::array<RechnerCore::KeyState, RechnerCore::KeyCount> m_renderedKeys; // as last shown
    int m_renderedLayer = -1;
    LinkChoices* m_choices = nullptr; // what Kombi offers
    bool m_tapeScrollPending = false; // the tape scrolls to the core's top line when idle
    QPoint m_tapePressedAt{-1, -1}; // where the left button went down on the tape, if it did
};

} // namespace vdl
