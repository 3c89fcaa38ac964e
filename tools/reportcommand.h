#pragma once

#include <optional>
#include <string>
#include <vector>

// vpxtool report: one wage month of many books as CSV or JSON.
namespace reportcommand {

// args: what follows "report". password: Shift-JIS, one for every protected book. Returns the
// exit code: 0 every book read, 5 some could not be (their rows say why), 2 usage.
int Run(const std::vector<std::string>& args, const std::optional<std::string>& password,
        const std::string& settingsPath);

}  // namespace reportcommand
