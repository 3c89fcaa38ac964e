#pragma once

#include "framework/backups.h"

// The user's backup choices from the per-user settings store that also holds the recent-file
// list: group "Backups", "Enabled" (default true) and "Generations" (default 20).
BackupOptions ReadBackupProfile();
