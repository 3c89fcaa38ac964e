#include "model/settingsline.h"

#include "model/texts.h"

std::string SettingsField(const std::string& line, int n) {
    size_t start = 0;
    for (int i = 1; i < n; ++i) {
        const size_t comma = line.find(',', start);
        if (comma == std::string::npos) return {};
        start = comma + 1;
    }
    const size_t end = line.find(',', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::vector<std::string> SettingsFields(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        const size_t comma = line.find(',');
        fields.emplace_back(TrimBlanks(line.substr(0, comma)));
        if (comma == std::string_view::npos) return fields;
        line.remove_prefix(comma + 1);
    }
}

std::string BadFieldsMessage(const std::string& head, const std::vector<BadField>& bad) {
    constexpr size_t kNamed = 10;
    std::string text = head;
    for (size_t i = 0; i < bad.size() && i < kNamed; ++i)
        text += texts::Format2(texts::kSettingsBadField, std::to_string(bad[i].field), bad[i].text);
    if (bad.size() > kNamed)
        text += texts::Format1(texts::kSettingsBadMore, std::to_string(bad.size() - kNamed));
    return text;
}
