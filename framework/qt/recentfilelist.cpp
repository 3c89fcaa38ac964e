#include "framework/qt/recentfilelist.h"

#include <string>

namespace {
std::string Key(int index) { return "File" + std::to_string(index + 1); }
}  // namespace

CRecentFileList::CRecentFileList(int size) : m_nSize(size) {}

void CRecentFileList::ReadList() {
    const profile::Store store = profile::Read(profile::Path());
    const std::string group = Group().toStdString();
    m_paths.clear();
    for (int i = 0; i < m_nSize; ++i) {
        const QString path = QString::fromStdString(store.Value(group, Key(i)).value_or(""));
        if (!path.isEmpty()) m_paths << path;
    }
}

void CRecentFileList::WriteList() const {
    // A store that cannot be written keeps what it held, silently as before: the list is a
    // convenience.
    (void)profile::Update(profile::Path(), [this](profile::Store& store) {
        const std::string group = Group().toStdString();
        for (int i = 0; i < m_nSize; ++i) {
            if (i < m_paths.size())
                store.SetValue(group, Key(i), m_paths[i].toStdString());
            else
                store.Remove(group, Key(i));
        }
    });
}

void CRecentFileList::Add(const QString& path) {
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > m_nSize) m_paths.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_paths.size()) m_paths.removeAt(index);
}

QString CRecentFileList::Abbreviate(const QString& path, int maxLength) {
    if (path.size() <= maxLength) return path;
    const QString ellipsis = QStringLiteral("...");
    QStringList parts = path.split(u'/');
    const QString file = parts.takeLast();
    const bool absolute = path.startsWith(u'/');
    if (absolute && !parts.isEmpty()) parts.removeFirst();  // the empty part before the root
    // Drop leading folders until the rest fits behind "/.../".
    while (!parts.isEmpty()) {
        QString candidate = (absolute ? QStringLiteral("/") : QString()) + ellipsis + u'/' +
                            (parts.isEmpty() ? QString() : parts.join(u'/') + u'/') + file;
        if (candidate.size() <= maxLength) return candidate;
        parts.removeFirst();
    }
    const QString shortest = (absolute ? QStringLiteral("/") : QString()) + ellipsis + u'/' + file;
    return shortest.size() <= maxLength ? shortest : file;
}

QString CRecentFileList::MenuText(int index) const {
    QString shown = Abbreviate(GetPath(index));
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
