#include "output/shelllink.h"

#include <filesystem>

#include "framework/savefile.h"
#include "output/desktopentry.h"

namespace {
const std::string kSuffix = ".desktop";
}  // namespace

std::optional<std::string> ShortcutFilePath(const std::string& desktopFolder,
                                            const std::string& name) {
    if (desktopFolder.empty() || name.empty()) return std::nullopt;
    if (name.find_first_of(std::string("/\0", 2)) != std::string::npos) return std::nullopt;
    std::string folder = desktopFolder;
    if (folder.back() != '/') folder += '/';
    return folder + name + kSuffix;
}

std::string ShortcutIcon(const std::string& target) {
    // A program run from its build tree has no installed icon; its icon file lies beside it.
    const std::string beside = target.substr(0, target.rfind('/') + 1) + kProgramIconName + ".svg";
    std::error_code error;
    return std::filesystem::is_regular_file(beside, error) ? beside : kProgramIconName;
}

bool CreateShellLink(const std::string& target, const std::string& linkPath,
                     const std::string& arguments) {
    // A desktop starts the program from a folder of its own choosing.
    if (target.empty() || target.front() != '/') return false;

    desktopentry::Shortcut shortcut;
    std::string name = linkPath.substr(linkPath.rfind('/') + 1);
    if (name.size() > kSuffix.size() && name.ends_with(kSuffix))
        name.resize(name.size() - kSuffix.size());
    shortcut.name = std::move(name);
    shortcut.program = target;
    if (!arguments.empty()) shortcut.arguments.push_back(arguments);
    shortcut.icon = ShortcutIcon(target);

    const std::optional<std::string> text = desktopentry::Build(shortcut);
    if (!text) return false;
    return static_cast<bool>(SaveFileAtomic(linkPath, *text, {.executable = true}));
}
