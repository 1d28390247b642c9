#include "editor/TempClipboard.h"

#include <algorithm>

namespace orvel {

TempClipboard::TempClipboard(QObject* parent) : QObject(parent) {}

int TempClipboard::sortedIndex(const QStringList& items, const QString& text)
{
    const auto at =
        std::upper_bound(items.begin(), items.end(), text, [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    return int(at - items.begin());
}

void TempClipboard::add(const QString& text)
{
    const int inMain = sortedIndex(m_main, text);
    m_main.insert(inMain, text);
    emit mainInserted(inMain, text);
    const int inMaster = sortedIndex(m_master, text);
    m_master.insert(inMaster, text);
    emit masterInserted(inMaster, text);
}

bool TempClipboard::removeAt(int index)
{
    if (index < 0 || index >= m_master.size())
        return false;
    const QString text = m_master.takeAt(index);
    emit masterRemoved(index);
    // After the main Clear the same index may name another text there, which must stay.
    const int inMain =
        index < m_main.size() && m_main.at(index) == text ? index : int(m_main.indexOf(text));
    if (inMain >= 0) {
        m_main.removeAt(inMain);
        emit mainRemoved(inMain);
    }
    return true;
}

void TempClipboard::clearMain()
{
    m_main.clear();
    emit mainCleared();
}

void TempClipboard::clearBoth()
{
    m_master.clear();
    emit masterCleared();
    clearMain();
}

} // namespace orvel
