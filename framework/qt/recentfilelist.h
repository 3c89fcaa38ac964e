#pragma once

#include <QString>
#include <QStringList>

#include "framework/profile.h"

// The recent-file list of the File menu, one entry, kept in the per-user settings store
// (framework/profile.h; group "Recent File List", key "File1"), read and written through
// profile::Store.
class CRecentFileList {
public:
    explicit CRecentFileList(int size = 1);

    void ReadList();
    void WriteList() const;

    // Puts path first, dropping the oldest entry beyond the list's size.
    void Add(const QString& path);
    void Remove(int index);
    int GetSize() const { return static_cast<int>(m_paths.size()); }
    QString GetPath(int index) const { return m_paths.value(index); }
    const QStringList& Paths() const { return m_paths; }

    // The menu text of entry index: "&1 " and the path shortened to 30 characters, '&' doubled.
    QString MenuText(int index) const;
    // A path shortened to at most maxLength characters by replacing leading folders with "...".
    static QString Abbreviate(const QString& path, int maxLength = 30);

    static QString OrganizationName() { return QString::fromUtf8(profile::kOrganization); }
    static QString ApplicationName() { return QString::fromUtf8(profile::kApplication); }
    static QString Group() { return QStringLiteral("Recent File List"); }

private:
    int m_nSize;
    QStringList m_paths;
};
