#pragma once

#include <cstdio>
#include <string>

// What every vpxtool command answers the shell, and its plain refusal.
namespace tool {

enum Exit { kDone = 0, kRefused = 1, kUsage = 2, kFileError = 3, kInUse = 4, kSomeUnread = 5 };

// A refusal in the tool's own English words (UTF-8), after "vpxtool: ".
inline int Fail(const std::string& utf8) {
    std::fprintf(stderr, "vpxtool: %s\n", utf8.c_str());
    return kRefused;
}

}  // namespace tool
