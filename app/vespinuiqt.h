#pragma once

#include <QPointer>
#include <QWidget>

#include "model/vespinui.h"

// The document's way to the user in the program: message boxes and the modal dialogs, with
// the main window as their parent once it exists.
class CVespinUiQt : public IVespinUi {
public:
    void SetMainWindow(QWidget* window);

    MsgAnswer MessageBox(const UiText& text, MsgKind kind) override;
    void SetCaption(const UiText& caption) override;

    bool AskPassword(const CVespinDoc& doc, const std::string& path) override;
    std::optional<int> AskYear(const CVespinDoc& doc) override;
    bool AskEmployee(const CVespinDoc& doc, std::string& number, std::string& name) override;
    std::optional<std::string> AskNewPassword(const CVespinDoc& doc) override;

private:
    QPointer<QWidget> m_pWindow;
    // A caption set before the window exists is kept for it.
    QString m_strPendingCaption;
};
