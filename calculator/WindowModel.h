#pragma once
// The frame's windows without their widgets: for each open window its running number, name,
// type, the memory it sends to and whether it passes every step on (automatic transfer), in
// the order the windows were made. The link boxes, the frame's window list and the names are
// views of this model; every change comes here and is announced by one signal, `changed`,
// with what it touched (lastChange), so that a view brings up to date only what changed.
// Changes made inside a batch (a layout loaded, all windows closed) are announced once, at
// its end.
//
// Link boxes: each window offers "(kein Speicher)" and then `choices`, the other windows in
// the order they joined its list. A new window joins the end of every list; while window A
// sends to M, A is missing from M's list (M cannot choose A back), and A returns at the end
// of M's list when it unlinks. Windows are told apart by number, never by name. Names are
// unique and never empty where the user gives them (rename refuses the rest); a layout file
// may still bring two windows of one name, and they then share every rename.
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <utility>

namespace vdl {

struct WindowEntry {
    int number = 0;
    QString name;
    QString type;             // "Rechner" or "Speicher"
    int memory = 0;           // number of the window it sends to; 0 for none
    bool autoTransfer = false;
    QList<int> choices;       // what its link box offers after "(kein Speicher)"
};

class WindowModel : public QObject {
    Q_OBJECT
public:
    explicit WindowModel(QObject* parent = nullptr);

    // Numbers every window ever added; never reused.
    int counter() const { return m_counter; }

    // A new window of Type; an empty Name becomes Type followed by its number ("Speicher2").
    // Returns its number.
    int add(const QString& Type, const QString& Name = QString());
    // The window closes: every window that sent to it is unlinked (automatic transfer off)
    // and no list offers it any more. False when there is no such window.
    bool remove(int number);
    // Window number chooses memory from its list (0: "(kein Speicher)"). The former memory
    // offers the window again; the new one no longer does. Unlinking switches automatic
    // transfer off; a memory window linking onward switches it on. False, changing nothing,
    // when memory is not among the window's choices.
    bool link(int number, int memory);
    // By names, as a layout file states links: the first window of each name; false when
    // either is missing or the link is not allowed.
    bool linkByName(const QString& name, const QString& memoryName);
    // Whether number choosing memory would close a circle: memory already sends on to number,
    // directly or through other windows. The link box refuses such a choice, and a layout
    // file's link that would close one is left out.
    bool closesCircle(int number, int memory) const;
    // On only while linked; false when nothing changed.
    bool setAutoTransfer(int number, bool on);
    // Why name cannot become window number's name: empty (or only blanks), or another window's
    // name (one not called as window number is); Free when it can. Blanks and tabs around a
    // name are no part of it: " Kasse" is "Kasse", and rename stores it so.
    enum class NameCheck { Free, Empty, Taken };
    NameCheck checkName(int number, const QString& name) const;
    // Every window called as window number is, that one and any other of the same name, is
    // called name from now on, everywhere it is shown. False, changing nothing, when there is
    // no such window or checkName refuses the name.
    bool rename(int number, const QString& name);

    const QList<WindowEntry>& entries() const { return m_entries; }
    const WindowEntry* find(int number) const;
    int numberOf(const QString& name) const; // the first window of that name; 0 for none
    int memoryOf(int number) const;          // 0 without a link or window
    bool isMemoryType(int number) const;     // of type "Speicher", case ignored

    // Changes made while a batch is open are announced together, as one, when the outermost
    // batch ends. Until then a window closed in it may still stand in the other windows'
    // choices, though find no longer knows it.
    class Batch {
    public:
        explicit Batch(WindowModel& model) : m_model(&model) { ++model.m_batches; }
        ~Batch() { end(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        // Ends the batch early, announcing what it changed so far.
        void end()
        {
            if (WindowModel* model = std::exchange(m_model, nullptr); model && --model->m_batches == 0)
                model->announce();
        }

    private:
        WindowModel* m_model;
    };
    bool batching() const { return m_batches > 0; }

    // What the change announced last touched: the windows whose own entry changed (name, link,
    // transfer or list), those among them whose name changed, and whether windows came, went
    // or were renamed. Read it while `changed` is emitted.
    struct Change {
        QSet<int> touched;
        QSet<int> renamed;
        bool windows = false;
    };
    const Change& lastChange() const { return m_announced; }

    // Walks the links from start, calling visit(number) for each memory down the chain once
    // at most, so a cycle of any length ends the walk; visit returns false to stop. Numbers in
    // passed count as visited already. Links are read as the walk goes.
    void walk(int start, const std::function<bool(int)>& visit, QSet<int> passed = {}) const;

signals:
    void changed();

private:
    WindowEntry* entry(int number);
    void dropClosed(); // the windows closed since the last announcement leave every list
    void announce();

    int m_batches = 0;
    bool m_pending = false; // something changed since the last announcement
    Change m_change;        // ... and what
    Change m_announced;

    QList<WindowEntry> m_entries;
    QSet<int> m_closed; // closed, but still in other windows' lists until announced
    int m_counter = 0;
};

} // namespace vdl
