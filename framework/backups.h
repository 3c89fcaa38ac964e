#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/clock.h"
#include "framework/fileerror.h"
#include "framework/uitext.h"

// Earlier states of a book, kept in the user's data folder: before a save replaces a book, the
// bytes it replaces become a generation. One folder per book, one file per generation named by
// the local date and time, a hash of its content and its number in the order of the saves,
// readable by the user alone.

// What the user chose, handed in as plain values. Off unless the program turns it on, so that a
// document saved by a test or a helper keeps nothing anywhere.
struct BackupOptions {
    bool enabled = false;
    int generations = 20;  // the newest ones, whatever their age
    int monthlyYears = 5;  // and the newest of each month, for this many years
    std::string root;      // the folder holding one folder per book
};

struct Generation {
    std::string path;
    LocalTime time;
    uint64_t size = 0;
    uint64_t hash = 0;
    int64_t modified = 0;   // ns; orders unnumbered generations of the same second
    uint64_t sequence = 0;  // the order of the saves, which a clock set back cannot upset;
                            // 0 for the unnumbered names of earlier versions (the oldest)
};

struct KeepResult {
    enum Outcome { nothing, kept, failed };
    Outcome outcome = nothing;
    FileError cause = FileError::none;
    std::string path;  // the generation kept, or what could not be written (UTF-8)
};

namespace backups {

inline constexpr int kDefaultGenerations = 20;

// $XDG_DATA_HOME/vespin/backups, or ~/.local/share/vespin/backups; empty when neither is known.
std::string DefaultRoot();

// The user's choices as the per-user settings store holds them (group "Backups", keys
// "Enabled", default true, and "Generations", default 20), read through profile::Store. The
// one reader of these choices, the program's and the tool's.
BackupOptions FromProfileText(std::string_view ini);
// The choices from the store's file (profile::Path()), with the generations kept under
// DefaultRoot().
BackupOptions ReadProfile();
// A generation count as the user wrote it, made usable.
int ClampGenerations(int n);

// The book's folder below root: its file name and a hash of its full path. A book reached by
// another path (a bind mount, a hard link) than the one its folder records uses that folder
// while the recorded path still leads to the same file. Empty when the folder does not exist
// (create = false) or cannot be made.
std::string BookFolder(const std::string& root, const std::string& book, bool create,
                       FileError* cause = nullptr);

// Keeps the bytes of book that newBytes are about to replace. Nothing is kept for a book that
// does not exist yet, for bytes that do not change, or for content already kept (that
// generation moves to the current time instead). Never throws.
KeepResult Keep(const BackupOptions& options, const std::string& book, std::string_view newBytes);

// The generations of book, newest first: by number, then (the unnumbered) by time.
std::vector<Generation> List(const std::string& root, const std::string& book);

// Which of the generations (newest first) retention keeps at the local time now.
std::vector<bool> Retained(const std::vector<Generation>& newestFirst, const LocalTime& now,
                           int generations, int monthlyYears);

// "YYYY-MM-DD_HH-MM-SS_<16 hex digits>_<number>.vpx" (without "_<number>" for 0, as earlier
// versions named them), and back (false for any other name).
std::string FileName(const LocalTime& t, uint64_t hash, uint64_t sequence = 0);
bool ParseFileName(std::string_view name, LocalTime& t, uint64_t& hash,
                   uint64_t* sequence = nullptr);

uint64_t Hash(std::string_view bytes);

}  // namespace backups

// The message that a save kept no generation, and why.
UiText BackupFailedText(const KeepResult& result);
