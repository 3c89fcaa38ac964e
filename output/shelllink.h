#pragma once

#include <optional>
#include <string>

// The name of the program's installed icon (the icon theme finds it).
inline const std::string kProgramIconName = VESPIN_APP_ID;

// Where the shortcut called name (UTF-8, as typed) goes: "<desktop folder>/<name>.desktop"; a
// name that already ends in .desktop gets a second one. nullopt when there is no desktop folder
// or the name cannot be a file name (it holds a '/', which would put the file elsewhere).
std::optional<std::string> ShortcutFilePath(const std::string& desktopFolder,
                                            const std::string& name);

// The shortcut's Icon= for the program target: the icon file beside it when there is one (a
// build that is not installed), else the installed icon's name.
std::string ShortcutIcon(const std::string& target);

// Writes the desktop shortcut linkPath that starts target (the program's full path) with
// arguments as its one argument (a book's path; empty: no argument). The entry is named after
// the file, without ".desktop". The file is replaced whole or not at all, and is executable so
// that desktops offer to launch it. False when it was not written, also when a path cannot be
// carried by the entry unchanged (control characters, invalid UTF-8) or target is no full path.
bool CreateShellLink(const std::string& target, const std::string& linkPath,
                     const std::string& arguments);
