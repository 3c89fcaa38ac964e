#pragma once

#include <string>

// The user's folders: the home folder and the XDG base folders below it.

// $HOME, or the account's home folder; empty when neither is known.
std::string HomeFolder();
// The path below in one of the user's base folders: $variable when it is absolute, or else
// inHome in the home folder; empty when no home folder is known.
std::string UserFolder(const char* variable, const char* inHome, const std::string& below);
// A folder only the user may enter, when it is made here (an errno, 0 on success). One that
// exists is the user's choice (a shared folder behind a link among them) and keeps its
// permissions.
int MakePrivateFolder(const std::string& path);
// The folder and any missing parents, all private (the user's folders may not exist yet).
int MakeFolders(const std::string& path);
