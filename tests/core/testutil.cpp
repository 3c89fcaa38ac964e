#include "testutil.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/sjis.h"

TempDir::TempDir() {
    char tmpl[] = "/tmp/vespin-test-XXXXXX";
    if (!::mkdtemp(tmpl)) throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Make read-only folders removable again.
    for (auto& e : std::filesystem::recursive_directory_iterator(m_path, ec))
        if (e.is_directory(ec))
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> out;
    for (auto& e : std::filesystem::directory_iterator(m_path)) out.push_back(e.path().filename());
    std::sort(out.begin(), out.end());
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X ", c);
        out += buf;
    }
    if (!out.empty()) out.pop_back();
    return out;
}

std::string U(const std::string& s) { return sjis::ToUtf8(s); }
std::string S(const std::string& s) { return sjis::FromUtf8(s); }

MsgAnswer FakeUi::MessageBox(const UiText& text, MsgKind kind) {
    messages.push_back(text.Utf8());
    kinds.push_back(kind);
    return answer;
}

bool FakeUi::AskPassword(const CVespinDoc& doc, const std::string& path) {
    ++passwordPrompts;
    promptPath = path;
    return typedPassword && S(*typedPassword) == doc.Password();
}

bool FakeUi::AskEmployee(const CVespinDoc&, std::string& number, std::string& name) {
    if (!employee) return false;
    number = S(employee->first);
    name = S(employee->second);
    return true;
}

DocFixture::DocFixture() : doc(&ui, "/nonexistent/vespin", dir.file("vespin.ini")) {
    ui.messages.clear();
    ui.kinds.clear();
    doc.OnNewDocument();
}
