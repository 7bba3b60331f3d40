#pragma once
// A list of strings, each carrying an integer object, like the class library's string list.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vdl {

class StringList {
public:
    struct Item {
        QString text;
        qintptr object = 0;
    };

    int count() const { return int(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    void clear() { m_items.clear(); }
    int add(const QString& s, qintptr object = 0);
    void insert(int index, const QString& s, qintptr object = 0);
    void removeAt(int index) { m_items.removeAt(index); }
    const QString& operator[](int i) const { return m_items[i].text; }
    QString& operator[](int i) { return m_items[i].text; }
    qintptr object(int i) const { return m_items[i].object; }
    void setObject(int i, qintptr object) { m_items[i].object = object; }
    // Case-insensitive per code-page character, like the class library; -1 when absent.
    int indexOf(const QString& s) const;
    void sort(const std::function<bool(const QString&, const QString&)>& less);
    QStringList strings() const;
    void setStrings(const QStringList& list); // objects 0
    QString commaText() const;
    void setCommaText(const QString& text);
    QString text() const; // items each followed by CR LF

private:
    QList<Item> m_items;
};

} // namespace vdl
