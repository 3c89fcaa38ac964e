#pragma once

#include <string>
#include <string_view>

#include "framework/encoded.h"

// A text as the user is shown it, held in UTF-8. The program's own texts are Shift-JIS and
// convert without loss; a file path is put in as it is, so a name with characters Shift-JIS
// cannot hold ("café😀.vpx") is still shown right.
class UiText {
public:
    UiText() = default;
    // The program's texts are Shift-JIS by their type. A plain std::string is not taken: its
    // bytes may be a path's UTF-8 as well as Shift-JIS, so its caller says which (below).
    UiText(const Sjis& text);  // NOLINT(google-explicit-constructor)

    // Shift-JIS bytes the core holds in a plain string: the book's fields, lines made of them.
    static UiText FromSjis(std::string_view sjis);
    static UiText FromSjis(const Utf8Path&) = delete;
    // A path (or any UTF-8) exactly as it is.
    static UiText Path(std::string_view utf8);
    static UiText Path(const Sjis&) = delete;
    // The Shift-JIS template with "%1" (and "%2") replaced by the arguments.
    static UiText Format(const Sjis& sjisTemplate, const UiText& a1);
    static UiText Format(const Sjis& sjisTemplate, const UiText& a1, const UiText& a2);

    const std::string& Utf8() const { return m_utf8; }
    UiText& operator+=(const UiText& more) {
        m_utf8 += more.m_utf8;
        return *this;
    }
    friend UiText operator+(UiText a, const UiText& b) { return a += b; }

private:
    std::string m_utf8;
};
