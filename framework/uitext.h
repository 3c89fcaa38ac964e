#pragma once

#include <string>
#include <string_view>

// A text as the user is shown it, held in UTF-8. The program's own texts are Shift-JIS and
// convert without loss; a file path is put in as it is, so a name with characters Shift-JIS
// cannot hold ("café😀.vpx") is still shown right.
class UiText {
public:
    UiText() = default;
    // Every text of the core is Shift-JIS, so a plain string is taken as one.
    UiText(const std::string& sjis);  // NOLINT(google-explicit-constructor)

    // A path (or any UTF-8) exactly as it is.
    static UiText Path(std::string_view utf8);
    // The Shift-JIS template with "%1" (and "%2") replaced by the arguments.
    static UiText Format(const std::string& sjisTemplate, const UiText& a1);
    static UiText Format(const std::string& sjisTemplate, const UiText& a1, const UiText& a2);

    const std::string& Utf8() const { return m_utf8; }
    UiText& operator+=(const UiText& more) {
        m_utf8 += more.m_utf8;
        return *this;
    }
    friend UiText operator+(UiText a, const UiText& b) { return a += b; }

private:
    std::string m_utf8;
};
