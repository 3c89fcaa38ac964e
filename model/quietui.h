#pragma once

#include "model/vespinui.h"

// For reading books with no one to ask: every message answered OK, every password accepted,
// every dialog cancelled.
class CQuietVespinUi : public IVespinUi {
public:
    MsgAnswer MessageBox(const UiText&, MsgKind) override { return MsgAnswer::ok; }
    bool AskPassword(const CVespinDoc&, const std::string&) override { return true; }
    std::optional<int> AskYear(const CVespinDoc&) override { return std::nullopt; }
    bool AskEmployee(const CVespinDoc&, std::string&, std::string&) override { return false; }
    std::optional<std::string> AskNewPassword(const CVespinDoc&) override { return std::nullopt; }
};
