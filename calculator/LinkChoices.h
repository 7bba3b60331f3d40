#pragma once
// What a window's link box offers: "(kein Speicher)" first, then the windows it may send to,
// by name, each with its number as the item's data (Qt::UserRole; 0 for the first item).
// `show` brings it up to date item by item, so that a change of the window model costs the
// box what it changes, however many windows there are.
#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QString>

namespace vdl {

class WindowModel;

class LinkChoices final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Offers wanted after the first item, in that order. Items that left keep the others in
    // their order and new ones join at the end, as the model's lists change; another order is
    // made anew from where it differs. Names are compared only of the windows in renamed (all
    // without it).
    void show(const WindowModel& model, const QList<int>& wanted, const QSet<int>* renamed);
    // The row of window number; 0 ("(kein Speicher)") when it is not offered.
    int rowOf(int number) const;

private:
    void setName(qsizetype i, const QString& name);

    QList<int> m_numbers;
    QList<QString> m_names;
};

} // namespace vdl
