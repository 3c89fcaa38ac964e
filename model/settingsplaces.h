#pragma once

#include <string>
#include <vector>

#include "framework/uitext.h"

// Where vespin.ini is looked for, in order: beside the program (exeDir, ending in '/'), then
// in the configuration folder of the installation the program belongs to: <prefix>/etc/vespin
// for a program in <prefix>/bin, and /etc/vespin for one in /usr/bin, as a Debian package
// puts it. The installation is found from the program's own place, so the same build serves
// a package and an install into any prefix.
std::vector<std::string> SettingsPlaces(const std::string& exeDir);

// The missing-file message naming the places looked at, as they are.
UiText SettingsMissingMessage(const std::vector<std::string>& places);
