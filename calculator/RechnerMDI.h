#pragma once
// The frame "vdlRechner": it creates, numbers and arranges the calculator and memory windows,
// keeps the model of the windows and their links (WindowModel) and shows it in every window,
// fits itself around them, merges the active window's menus into its menu bar and holds the
// currency lists all windows share. Windows are known to the frame by their running number
// (FNummer), never by their caption, which the user may change.
//
// Units: RechnerMDI.cpp creation, options, start and close; RechnerMDI_menus.cpp the frame's
// menus and their merging; RechnerMDI_windows.cpp windows, their views of the model and the
// window list; RechnerMDI_host.cpp what the windows ask of the frame (links, transfer,
// keypad, currencies); RechnerMDI_fit.cpp fitting and arranging; StartPicture.h the start
// picture.
#include "calculator/CurrencyCatalog.h"
#include "calculator/WindowHost.h"
#include "calculator/WindowModel.h"
#include "calculator/OfficeHandOff.h"
#include "platform/StringList.h"
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;

namespace vdl {

class TAlphaPadForm;
class TRechnerForm;
struct MenuItem;

class TMDIForm : public QMainWindow, public WindowHost {
    Q_OBJECT
public:
    // arguments: the command line after the program name; only the first one counts.
    explicit TMDIForm(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TMDIForm() override;

    // Numbers every window ever created; never reused.
    int WindowCounter() const { return m_model.counter(); }
    bool TopMode = false;   // started with "/top"
    StringList WindowNames; // view of the model: name of each open window; object = its number
    CurrencyCatalog Currencies;

    // The windows, their names, links and automatic transfer. Linking, renaming, closing and
    // loading a layout change it; every window's link box and caption follow.
    WindowModel& windowModel() override { return m_model; }

    // Creates a window of Typ "Rechner" or "Speicher" inside the frame; an empty Name becomes
    // Typ followed by the running number ("Rechner1", "Speicher2").
    TRechnerForm* NewWindow(const QString& Typ, const QString& Name = QString()) override;
    // A window closes: it leaves the model (the windows that sent to it are unlinked), and the
    // frame fits itself once it is gone.
    void RemoveWindowName(int Nummer) override;

    // The open windows in creation order, the active one, and one by its number.
    QList<TRechnerForm*> windows() const;
    TRechnerForm* activeWindow() const;
    TRechnerForm* findWindow(int Nummer) const override;
    QMdiSubWindow* subWindowOf(const TRechnerForm* window) const;
    void showWindow(int Nummer) override;
    void placeBeside(int Nummer, int Beside) override;
    void closeWindow(int Nummer) override;
    // Input for the active window (letter keypad), which then comes to the front with the
    // frame; false when no window is open.
    bool sendToActiveWindow(const QString& Text, bool FromButton) override;
    // The rate of the currency the window shows, from the lists as last filled.
    long double CurrencyRate(const RechnerCore& Window) const override;

    // Layout files: every window written to FileName (false after a failed write, which the
    // user is shown), and all windows replaced by those of a file. The kept layout is the one
    // of the last run, in the program folder.
    bool SaveSettings(const QString& FileName);
    void LoadSettings(const QString& FileName);
    static QString KeptLayout();

    // Menu commands.
    void MEinstellungenLadenClick();
    void MNeuenRechnerClick();
    void MNeuenSpeicherClick();
    void MAlphaPadClick();
    void MRahmenAutoClick();
    void mnubeibehaltenClick();
    void MRahmenanpassenClick(); // the fitting routine
    void HMFensterClick();       // the "&Fenster" menu opens
    void MUeberlappendClick();
    void MUntereinanderClick();
    void MNebeneinanderClick();
    void MSymboleAnordnenClick();
    // Starts the fitting timer unless it is already running.
    void EnableTimer1();

    // The frame's outer bounds, the window manager's frame included, as the layout files keep
    // them.
    QRect outerBounds() const;
    void setOuterBounds(const QRect& bounds);

    // The screen the frame fits itself to; an empty size means the primary screen (tests
    // pin a size of their own).
    static QSize screenSize();
    static void setScreenSize(const QSize& size);

    QMdiArea* mdiArea = nullptr;
    QWidget* Panel1 = nullptr; // start picture over the windows, hidden by Timer2
    QLabel* Label1 = nullptr;  // version "3.1"
    QTimer* Timer1 = nullptr;  // fitting, 500 ms after each opened or closed window
    QTimer* Timer2 = nullptr;  // hides the start picture after 2000 ms
    QTimer* WordTimer = nullptr; // looks for a running word processor or spreadsheet, every 2000 ms

    // The frame's menus; the items of "&Datei" and "?" exist from their menu's first opening.
    QMenu* HMDatei = nullptr;
    QAction* MEinstellungenLaden = nullptr;
    QAction* MBeenden = nullptr;
    QMenu* HMFenster = nullptr;
    QAction* MUeberlappend = nullptr;
    QAction* MUntereinander = nullptr;
    QAction* MNebeneinander = nullptr;
    QAction* MSymboleAnordnen = nullptr;
    QAction* MRahmenanpassen = nullptr;
    QAction* MRahmenAuto = nullptr;
    QAction* mnubeibehalten = nullptr;
    QAction* MNeuenRechner = nullptr;
    QAction* MNeuenSpeicher = nullptr;
    QAction* MBenennen = nullptr;
    QAction* HMLoeschen = nullptr;
    QAction* MAlphaPad = nullptr;
    QMenu* MHilfe = nullptr;
    QAction* MKurzanleitung = nullptr;
    QAction* MProduktinformation = nullptr;
    QAction* MSysteminformation = nullptr;
    QAction* W1 = nullptr;
    QAction* E1 = nullptr;

    // The office hand-off: the poll shows "W" and "E" while their programs answer; choosing
    // one sends the active window's display.
    OfficeHandOff Office;
    void WordTimerTimer();
    void W1Click();
    void E1Click();

    // RechnerHost: what a window asks of the frame.
    bool isActiveChild(const RechnerCore& core) override;
    void passToMemory(RechnerCore& core, const QString& text, const QString& op) override;
    void memoryOperation(RechnerCore& core, const QString& op) override;
    void passKeyToCalculators(RechnerCore& core, const QString& text) override;
    void updateAlphaPad(RechnerCore& core) override;
    void releaseAlphaPad(RechnerCore& core) override;
    void refreshCurrencies(RechnerCore& core) override;
    bool currencyAt(int index, CurrencyEntry& entry) override;
    void leaveCurrencyDownChain(RechnerCore& core) override;
    void clearTapesDownChain(RechnerCore& core) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    std::vector<MenuItem> dateiItems();
    std::vector<MenuItem> fensterItems();
    std::vector<MenuItem> hilfeItems();
    void startOfficePoll();
    void FormShow();
    void openStartLayout();
    void placeAtStart();
    static QPoint startPosition(); // upper left corner of the outer bounds, centred
    void startWindowEvent(QEvent* event);
    void settled();
    void takeStartBounds(int tries);
    void setBounds(const QRect& bounds);
    void mergeMenus(QMdiSubWindow* active);
    void fillWindowList();
    void windowClosed(int Nummer, const QObject* gone);
    void showModel(); // every window's view of the model, and WindowNames
    QMdiSubWindow* joinArea(TRechnerForm* window, Qt::WindowFlags flags); // raised and placed without Qt's searches
    void showNewWindow(QMdiSubWindow* sub, QMdiSubWindow* active, Qt::WindowFlags flags);
    void stackUnderKeptOnTop(QMdiSubWindow* sub); // under the shown windows that stay on top
    // Windows shown or closed together, in a hidden area: Qt neither repaints nor measures the
    // area for each of them.
    void changeWindowsTogether(const std::function<void()>& change);
    // While a layout's windows are made, they wait hidden in a disabled area; then they show
    // together, the last one made active, as if each had been activated in turn.
    void holdNewWindows();
    void readyHeldWindows(); // before they are named: what their controls asked for meanwhile
    void showHeldWindows();
    QList<QMdiSubWindow*> arrangedWindows() const; // the open windows that are neither hidden nor minimised
    QSize arrangingArea() const;
    static QPoint keptInside(QPoint at, QSize size, QSize area);
    static QPoint cascadeStep(const QMdiSubWindow* sub); // one title bar down and right
    QPoint newWindowPlace(QSize size, const QMdiSubWindow* active) const;
    void tile(bool rows);
    void arranged();
    // The letter keypad: shown beside the window numbered beside once the frame stands where
    // it belongs.
    void openAlphaPad(int system, int beside); // a new keypad in that system
    void showAlphaPad(TAlphaPadForm* pad, int beside);
    QPoint placeAlphaPad(TAlphaPadForm& pad, int beside); // its outer top left corner
    void holdAlphaPadAt(const QPointer<TAlphaPadForm>& pad, QPoint at, const std::shared_ptr<bool>& placed, int checks);
    void showPendingAlphaPads();
    TRechnerForm* formOf(const RechnerCore& core) const;
    struct TransferStep;
    bool deliver(const TransferStep& step, RechnerCore& memory);

    WindowModel m_model;
    QHash<int, TRechnerForm*> m_windows;                  // the open windows by number
    QHash<const RechnerCore*, TRechnerForm*> m_byCore;    // and by their cores
    QList<QAction*> m_windowListActions;
    // The sub-window last active. Held as a plain object: when Qt announces a window's end, it
    // is no sub-window any more, and a guard of that type could not even be read.
    QPointer<QObject> m_lastActive;
    bool m_shown = false;
    QRect m_startBounds;           // the outer bounds meant at the start (centred, or a layout's)
    std::optional<QString> m_layoutArgument; // a layout named on the command line
    bool m_marginsPending = false; // the window manager has not yet told the frame's margins
    bool m_settled = false;        // the frame stands where the start put it
    struct PendingPad {
        QPointer<TAlphaPadForm> pad;
        int beside = 0;
    };
    QList<PendingPad> m_pendingPads;   // keypads waiting for the frame to stand
    std::optional<QPoint> m_padPlace;  // where the keypad stood last in this run
    bool m_seeded = false;         // the default currencies have been seeded in this run
    bool m_currenciesStored = false; // ... and that seeding is done
    bool m_walking = false;
    TransferStep* m_transfer = nullptr;          // the step on its way down the links, if any
    QSet<int> m_sending;                         // windows whose memory key is at work
    bool m_destroying = false;
    bool m_holdingWindows = false; // new windows stay hidden until showHeldWindows
};

// The one frame of the program.
extern TMDIForm* MDIForm;

} // namespace vdl
