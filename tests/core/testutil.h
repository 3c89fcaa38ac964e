#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/vespindoc.h"
#include "model/vespinui.h"

// Gives a variable (a test seam such as an injected write fault) a value for the scope and puts
// the old one back on leaving it, also when a failed assertion leaves the test early.
template <typename T>
class ScopedValue {
public:
    ScopedValue(T& var, T value) : m_var(var), m_old(std::exchange(var, std::move(value))) {}
    ~ScopedValue() { m_var = std::move(m_old); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;
    void Set(T value) { m_var = std::move(value); }

private:
    T& m_var;
    T m_old;
};

// A folder under /tmp that is removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    // Names of the entries in the folder.
    std::vector<std::string> entries() const;

private:
    std::string m_path;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
std::string Hex(const std::string& bytes);
std::string U(const std::string& sjis);  // Shift-JIS to UTF-8, for readable assertions
std::string S(const std::string& utf8);  // UTF-8 to Shift-JIS

// Records every message and answers the dialogs from scripted values.
class FakeUi : public IVespinUi {
public:
    std::vector<std::string> messages;  // UTF-8, for readable assertions
    std::vector<MsgKind> kinds;
    MsgAnswer answer = MsgAnswer::ok;
    std::string caption;  // UTF-8
    // The password typed at the prompt; nullopt cancels.
    std::optional<std::string> typedPassword;
    int passwordPrompts = 0;
    std::string promptPath;
    std::optional<int> year;
    std::optional<std::pair<std::string, std::string>> employee;
    std::optional<std::string> newPassword;

    MsgAnswer MessageBox(const UiText& text, MsgKind kind) override;
    void SetCaption(const UiText& c) override { caption = c.Utf8(); }
    bool AskPassword(const CVespinDoc& doc, const std::string& path) override;
    std::optional<int> AskYear(const CVespinDoc&) override { return year; }
    bool AskEmployee(const CVespinDoc&, std::string& number, std::string& name) override;
    std::optional<std::string> AskNewPassword(const CVespinDoc&) override { return newPassword; }
};

// A document with default settings (no settings file) that reports to a FakeUi.
struct DocFixture {
    TempDir dir;
    FakeUi ui;
    CVespinDoc doc;
    DocFixture();
};
