#pragma once

#include "model/vespinui.h"

// For reading books with no one to ask: every message answered OK, every password accepted,
// every dialog cancelled.
class CQuietVespinUi : public IVespinUi {
public:
    MsgAnswer MessageBox(const UiText&, MsgKind) override { return MsgAnswer::ok; }
    bool AskPassword(CVespinDoc&, const std::string&) override { return true; }
    std::optional<int> AskYear(CVespinDoc&) override { return std::nullopt; }
    bool AskEmployee(CVespinDoc&, std::string&, std::string&) override { return false; }
    std::optional<std::string> AskNewPassword(CVespinDoc&) override { return std::nullopt; }
};
