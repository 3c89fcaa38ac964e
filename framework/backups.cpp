#include "framework/backups.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <set>
#include <tuple>

#include "framework/frameworktexts.h"
#include "framework/profile.h"
#include "framework/readfile.h"
#include "framework/uniquefd.h"
#include "framework/userfolder.h"

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace backups {
namespace {

// The readable part of a book's folder name, in bytes.
constexpr size_t kReadableBytes = 80;
constexpr const char* kSourceFile = "source.txt";

std::string Hex16(uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

// The book's full path with symbolic links resolved, so that every way of naming it finds the
// same folder; a book that no longer exists is named by its absolute path.
std::string FullPath(const std::string& book) {
    if (char* real = ::realpath(book.c_str(), nullptr)) {
        std::string out(real);
        std::free(real);
        return out;
    }
    if (!book.empty() && book[0] == '/') return book;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd)) return book;
    return std::string(cwd) + "/" + book;
}

std::string ReadableName(const std::string& fullPath) {
    std::string name = fullPath.substr(fullPath.rfind('/') + 1);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".vpx") == 0)
        name.resize(name.size() - 4);
    if (name.size() > kReadableBytes) {
        size_t cut = kReadableBytes;
        // Never in the middle of a UTF-8 character.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    if (!name.empty() && name[0] == '.') name[0] = '_';  // not hidden
    return name;
}

std::string ReadSmall(const std::string& path) {
    std::string out;
    if (ReadWholeFile(path, out) != FileError::none) return {};
    return out;
}

// Writes bytes as a new private file under name in folder, complete or not at all.
int WriteGeneration(const std::string& folder, const std::string& name, std::string_view bytes) {
    std::string tmpl = folder + "/.keep-XXXXXX";
    UniqueFd fd(::mkostemp(tmpl.data(), O_CLOEXEC));  // mode 0600
    if (!fd) return errno;
    size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : ENOSPC;
            break;
        }
        done += static_cast<size_t>(n);
    }
    // A failed close can be the first sign of a write that did not reach the disk.
    if (::close(fd.Release()) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(tmpl.c_str(), (folder + "/" + name).c_str()) != 0) err = errno;
    if (err != 0) ::unlink(tmpl.c_str());
    return err;
}

bool Newer(const Generation& a, const Generation& b) {
    const auto key = [](const Generation& g) {
        const LocalTime& t = g.time;
        return std::tuple(g.sequence, t.year, t.month, t.day, t.hour, t.minute, t.second,
                          g.modified);
    };
    if (key(a) != key(b)) return key(a) > key(b);
    return a.path > b.path;
}

// tidy: also removes what an interrupted keep left behind a day ago or more.
std::vector<Generation> ListFolder(const std::string& folder, bool tidy = false) {
    std::vector<Generation> out;
    const UniqueDir dir(::opendir(folder.c_str()));
    if (!dir) return out;
    while (const dirent* e = ::readdir(dir.get())) {
        Generation g;
        if (tidy && std::string_view(e->d_name).substr(0, 6) == ".keep-") {
            struct stat st {};
            const std::string path = folder + "/" + e->d_name;
            if (::stat(path.c_str(), &st) == 0 && st.st_mtime < std::time(nullptr) - 86400)
                ::unlink(path.c_str());
        }
        if (!ParseFileName(e->d_name, g.time, g.hash, &g.sequence)) continue;
        g.path = folder + "/" + e->d_name;
        struct stat st {};
        if (::stat(g.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        g.size = static_cast<uint64_t>(st.st_size);
        g.modified = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        out.push_back(std::move(g));
    }
    std::sort(out.begin(), out.end(), Newer);
    return out;
}

// The folder below root whose recorded path leads to the file st describes: the same book
// reached by another path (a bind mount, a hard link). Empty when there is none.
std::string FolderOfSameFile(const std::string& root, const struct stat& st) {
    std::string found;
    const UniqueDir dir(::opendir(root.c_str()));
    if (!dir) return found;
    while (const dirent* e = ::readdir(dir.get())) {
        if (e->d_name[0] == '.') continue;
        const std::string folder = root + "/" + e->d_name;
        std::string recorded = ReadSmall(folder + "/" + kSourceFile);
        if (recorded.empty() || recorded.back() != '\n') continue;
        recorded.pop_back();
        struct stat there {};
        if (::stat(recorded.c_str(), &there) == 0 && there.st_dev == st.st_dev &&
            there.st_ino == st.st_ino) {
            found = folder;
            break;
        }
    }
    return found;
}

KeepResult Failed(int err, const std::string& path) {
    KeepResult r;
    r.outcome = KeepResult::failed;
    r.cause = FileErrorFromErrno(err);
    if (r.cause == FileError::none) r.cause = FileError::generic;
    r.path = path;
    return r;
}

KeepResult KeepUnguarded(const BackupOptions& options, const std::string& book,
                         std::string_view newBytes) {
    KeepResult result;
    if (!options.enabled) return result;
    // Nothing to keep before a book's first save, nor of a file larger than any book.
    std::string old;
    if (const FileError err = ReadWholeFile(book, old); err != FileError::none) {
        if (err == FileError::fileNotFound || err == FileError::tooLarge) return result;
        result = Failed(0, book);
        result.cause = err;
        return result;
    }
    if (old == newBytes) return result;

    FileError cause = FileError::none;
    const std::string folder = BookFolder(options.root, book, true, &cause);
    if (folder.empty()) {
        result = Failed(0, options.root);
        result.cause = cause == FileError::none ? FileError::badPath : cause;
        return result;
    }
    const uint64_t hash = Hash(old);
    const LocalTime now = clock_::Now();
    std::vector<Generation> all = ListFolder(folder);
    // Numbered after the newest: the clock may have gone back (another time zone, a clock set
    // right), the order of the saves never does.
    const uint64_t sequence = (all.empty() ? 0 : all.front().sequence) + 1;
    const std::string name = FileName(now, hash, sequence);
    const std::string target = folder + "/" + name;

    bool done = false;
    for (const Generation& g : all) {
        if (g.hash != hash || g.size != old.size() || ReadSmall(g.path) != old) continue;
        // Kept once: the generation now stands for the latest time the book held it.
        if (g.path != target && ::rename(g.path.c_str(), target.c_str()) != 0)
            return Failed(errno, target);
        ::utimensat(AT_FDCWD, target.c_str(), nullptr, 0);
        done = true;
        break;
    }
    if (!done) {
        if (const int err = WriteGeneration(folder, name, old)) return Failed(err, target);
    }
    result.outcome = KeepResult::kept;
    result.path = target;

    all = ListFolder(folder, true);
    const std::vector<bool> keep = Retained(all, now, options.generations, options.monthlyYears);
    for (size_t i = 0; i < all.size(); ++i)
        if (!keep[i] && all[i].path != target) ::unlink(all[i].path.c_str());
    return result;
}

}  // namespace

std::string DefaultRoot() {
    return UserFolder("XDG_DATA_HOME", "/.local/share", "/vespin/backups");
}

int ClampGenerations(int n) { return std::clamp(n, 1, 10000); }

BackupOptions FromProfileText(std::string_view ini) {
    const profile::Store store{std::string(ini)};
    auto lower = [](std::string v) {
        std::transform(v.begin(), v.end(), v.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return v;
    };
    BackupOptions o;
    o.enabled = true;
    o.generations = kDefaultGenerations;
    if (const auto enabled = store.Value("Backups", "Enabled")) {
        // As the settings store reads a flag: empty, "0" and "false" are off.
        const std::string v = lower(*enabled);
        o.enabled = !(v.empty() || v == "0" || v == "false");
    }
    if (const auto generations = store.Value("Backups", "Generations")) {
        char* end = nullptr;
        const long n = std::strtol(generations->c_str(), &end, 10);
        if (!generations->empty() && *end == '\0')
            o.generations = ClampGenerations(static_cast<int>(std::clamp(n, -1L, 100000L)));
    }
    return o;
}

BackupOptions ReadProfile() {
    BackupOptions o = FromProfileText(profile::Read(profile::Path()).Text());
    o.root = DefaultRoot();
    return o;
}

std::string BookFolder(const std::string& root, const std::string& book, bool create,
                       FileError* cause) {
    auto fail = [&](int err) {
        if (cause) *cause = err ? FileErrorFromErrno(err) : FileError::badPath;
        return std::string();
    };
    if (root.empty() || root[0] != '/') return fail(0);
    if (create) {
        if (const int err = MakeFolders(root)) return fail(err);
    }
    const std::string full = FullPath(book);
    const std::string base = root + "/" + ReadableName(full) + "_" + Hex16(Hash(full));
    // The hash makes the name unique in practice; the recorded path makes sure of it.
    for (int n = 1; n < 100; ++n) {
        std::string folder = n == 1 ? base : base + "-" + std::to_string(n);
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0) {
            // The key is the path (a file's number changes with every save, a device's number
            // may change at the next start); the file's identity only joins two paths of it.
            struct stat bookStat {};
            if (::stat(full.c_str(), &bookStat) == 0 && S_ISREG(bookStat.st_mode)) {
                if (std::string same = FolderOfSameFile(root, bookStat); !same.empty()) return same;
            }
            if (!create) return fail(ENOENT);
            if (const int err = MakePrivateFolder(folder)) return fail(err);
            std::string text = full + "\n";
            if (const int err = WriteGeneration(folder, kSourceFile, text)) return fail(err);
            return folder;
        }
        const std::string recorded = ReadSmall(folder + "/" + kSourceFile);
        if (recorded == full + "\n") return folder;
    }
    return fail(EEXIST);
}

KeepResult Keep(const BackupOptions& options, const std::string& book, std::string_view newBytes) {
    try {
        return KeepUnguarded(options, book, newBytes);
    } catch (const std::bad_alloc&) {
        return Failed(ENOMEM, book);
    } catch (...) {
        return Failed(0, book);
    }
}

std::vector<Generation> List(const std::string& root, const std::string& book) {
    const std::string folder = BookFolder(root, book, false);
    if (folder.empty()) return {};
    return ListFolder(folder);
}

std::vector<bool> Retained(const std::vector<Generation>& newestFirst, const LocalTime& now,
                           int generations, int monthlyYears) {
    std::vector<bool> keep(newestFirst.size(), false);
    const int thisMonth = now.year * 12 + now.month - 1;
    std::set<int> seen;
    for (size_t i = 0; i < newestFirst.size(); ++i) {
        const LocalTime& t = newestFirst[i].time;
        const int month = t.year * 12 + t.month - 1;
        // The first seen of a month is its newest (a clock set back may interleave months).
        const bool newestOfMonth = seen.insert(month).second;
        keep[i] = static_cast<int>(i) < generations ||
                  (newestOfMonth && thisMonth - month <= 12 * monthlyYears);
    }
    return keep;
}

std::string FileName(const LocalTime& t, uint64_t hash, uint64_t sequence) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d_%02d-%02d-%02d_%016llx", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, static_cast<unsigned long long>(hash));
    std::string name = buf;
    if (sequence != 0) name += "_" + std::to_string(sequence);
    return name + ".vpx";
}

bool ParseFileName(std::string_view name, LocalTime& t, uint64_t& hash, uint64_t* sequence) {
    static constexpr std::string_view kForm = "dddd-dd-dd_dd-dd-dd_hhhhhhhhhhhhhhhh.vpx";
    // "_<number>" before ".vpx": 1 to 18 digits, no leading zero.
    uint64_t number = 0;
    const size_t stem = kForm.size() - 4;
    if (name.size() > kForm.size() && name[stem] == '_' && name.substr(name.size() - 4) == ".vpx") {
        const std::string_view digits = name.substr(stem + 1, name.size() - 4 - stem - 1);
        if (digits.empty() || digits.size() > 18 || digits[0] == '0') return false;
        for (const char c : digits) {
            if (c < '0' || c > '9') return false;
            number = number * 10 + static_cast<uint64_t>(c - '0');
        }
        const std::string plain = std::string(name.substr(0, stem)) + ".vpx";
        if (!ParseFileName(plain, t, hash)) return false;
        if (sequence) *sequence = number;
        return true;
    }
    if (name.size() != kForm.size()) return false;
    uint64_t h = 0;
    for (size_t i = 0; i < kForm.size(); ++i) {
        const char c = name[i];
        if (kForm[i] == 'd') {
            if (c < '0' || c > '9') return false;
        } else if (kForm[i] == 'h') {
            const int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (v < 0) return false;
            h = h << 4 | static_cast<uint64_t>(v);
        } else if (c != kForm[i]) {
            return false;
        }
    }
    auto num = [&](size_t at, size_t len) {
        int v = 0;
        for (size_t i = at; i < at + len; ++i) v = v * 10 + (name[i] - '0');
        return v;
    };
    LocalTime r;
    r.year = num(0, 4);
    r.month = num(5, 2);
    r.day = num(8, 2);
    r.hour = num(11, 2);
    r.minute = num(14, 2);
    r.second = num(17, 2);
    if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > 31 || r.hour > 23 || r.minute > 59 ||
        r.second > 60)
        return false;
    t = r;
    hash = h;
    if (sequence) *sequence = 0;
    return true;
}

uint64_t Hash(std::string_view bytes) { return XXH3_64bits(bytes.data(), bytes.size()); }

}  // namespace backups

UiText BackupFailedText(const KeepResult& result) {
    return UiText::Format(texts::kBackupFailed, FileErrorText(result.cause, result.path));
}
