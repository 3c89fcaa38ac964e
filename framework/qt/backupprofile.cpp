#include "framework/qt/backupprofile.h"

#include <QSettings>

#include "framework/qt/recentfilelist.h"

BackupOptions ReadBackupProfile() {
    QSettings settings(CRecentFileList::OrganizationName(), CRecentFileList::ApplicationName());
    settings.beginGroup(QStringLiteral("Backups"));
    BackupOptions o;
    o.enabled = settings.value(QStringLiteral("Enabled"), true).toBool();
    bool ok = false;
    const int n = settings.value(QStringLiteral("Generations")).toInt(&ok);
    o.generations = ok ? backups::ClampGenerations(n) : backups::kDefaultGenerations;
    o.root = backups::DefaultRoot();
    return o;
}
