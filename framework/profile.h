#pragma once

// The per-user settings store: the recent-file list and the backup choices, in
// $XDG_CONFIG_HOME/<organisation>/<application>.conf. The GUI writes it through QSettings
// under these names; the core reads the backup choices from the same file
// (backups::ReadProfile).
namespace profile {
inline constexpr char kOrganization[] = "ヴェスピン Ver2.0";
inline constexpr char kApplication[] = "ヴェスピン";
}  // namespace profile
