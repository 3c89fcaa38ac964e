// Any bytes as the profile store, and a value set in it: reading never fails, and where the
// text has no quotes or backslashes to run a line on, the value set reads back as it was.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/backups.h"
#include "framework/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The last line is the value to set, the rest the store's text.
    const size_t cut = input.rfind('\n');
    const std::string text(input.substr(0, cut == std::string_view::npos ? 0 : cut));
    const std::string value(cut == std::string_view::npos ? input : input.substr(cut + 1));
    profile::Store store(text);
    (void)store.Value("Recent File List", "File1");
    const BackupOptions before = backups::FromProfileText(text);
    if (before.generations < 1 || before.generations > 10000) std::abort();
    store.SetValue("Recent File List", "File1", value);
    const bool plain = text.find_first_of("\"\\") == std::string::npos;
    if (plain && store.Value("Recent File List", "File1") != value) std::abort();
    store.Remove("Recent File List", "File1");
    if (plain && store.Value("Recent File List", "File1")) std::abort();
    return 0;
}
