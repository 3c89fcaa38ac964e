#include "model/settingsplaces.h"

#include "model/texts.h"

std::vector<std::string> SettingsPlaces(const std::string& exeDir) {
    std::string dir = exeDir;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    const size_t cut = dir.rfind('/');
    std::string prefix = cut == std::string::npos ? dir + "/.." : dir.substr(0, cut);
    if (prefix == "/usr") prefix.clear();
    return {exeDir + texts::kSettingsFileName, prefix + "/etc/vespin/" + texts::kSettingsFileName};
}

UiText SettingsMissingMessage(const std::vector<std::string>& places) {
    UiText text = UiText(texts::kSettingsMissing) + texts::kSettingsPlacesLooked;
    for (const auto& p : places) text += UiText::Path("\n" + p);
    return text;
}
