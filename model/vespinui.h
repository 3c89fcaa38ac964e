#pragma once

#include <optional>
#include <string>

#include "framework/userinterface.h"

class CVespinDoc;

// The dialogs the document shows. The GUI runs the real dialogs; tests answer directly.
class IVespinUi : public IUserInterface {
public:
    // The password prompt for a protected file: true once the typed text equals the
    // document's m_strPassword, false on Cancel.
    virtual bool AskPassword(const CVespinDoc& doc, const std::string& path) = 0;
    // The year dialog: a year that passed its checks, or nothing on Cancel.
    virtual std::optional<int> AskYear(const CVespinDoc& doc) = 0;
    // The employee dialog: both values on OK.
    virtual bool AskEmployee(const CVespinDoc& doc, std::string& number, std::string& name) = 0;
    // The password set/change dialog: the new password on OK.
    virtual std::optional<std::string> AskNewPassword(const CVespinDoc& doc) = 0;
};
