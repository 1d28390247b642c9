#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace orvel {

// The program's own multi-item clipboard: two sorted lists of texts, the main window's combo and
// the Master window's list. Adds go to both; the main window's Clear empties the main list alone,
// after which the two differ. The windows show the lists and follow the signals.
class TempClipboard : public QObject {
    Q_OBJECT
public:
    explicit TempClipboard(QObject* parent = nullptr);

    const QStringList& mainItems() const { return m_main; }
    const QStringList& masterItems() const { return m_master; }

    // Adds `text` (any text, empty too, duplicates too) to both lists in alphabetical order.
    void add(const QString& text);
    // Removes the Master list's item `index` and the same text from the main list: at the same
    // index while the lists agree, else its first occurrence there, else nothing. False when the
    // Master list has no such item.
    bool removeAt(int index);
    void clearMain();
    void clearBoth();

    // Where `text` goes in a sorted list: after every item that sorts before it or equal to it,
    // letter case ignored.
    static int sortedIndex(const QStringList& items, const QString& text);

signals:
    void mainInserted(int index, const QString& text);
    void masterInserted(int index, const QString& text);
    void mainRemoved(int index);
    void masterRemoved(int index);
    void mainCleared();
    void masterCleared();

private:
    QStringList m_main;
    QStringList m_master;
};

} // namespace orvel
