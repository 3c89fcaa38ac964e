#include "framework/uitext.h"

#include "framework/frameworktexts.h"
#include "framework/sjis.h"

UiText::UiText(const Sjis& text) : m_utf8(sjis::ToUtf8(text)) {}

UiText UiText::FromSjis(std::string_view sjis) {
    UiText t;
    t.m_utf8 = sjis::ToUtf8(sjis);
    return t;
}

UiText UiText::Path(std::string_view utf8) {
    UiText t;
    t.m_utf8 = utf8;
    return t;
}

// The template converts first: "%" and the digits are the same byte in both encodings, and a
// path's own "%1" is never read as a placeholder.
UiText UiText::Format(const Sjis& sjisTemplate, const UiText& a1) {
    return Path(texts::Format1(sjis::ToUtf8(sjisTemplate), a1.m_utf8));
}

UiText UiText::Format(const Sjis& sjisTemplate, const UiText& a1, const UiText& a2) {
    return Path(texts::Format2(sjis::ToUtf8(sjisTemplate), a1.m_utf8, a2.m_utf8));
}
