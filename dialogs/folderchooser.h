#pragma once

#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "framework/encoded.h"

class QWidget;

// Lets the user pick a folder of the file system, starting at its top ("/"): caption
// "フォルダの参照" with the prompt above the folders. Paths are UTF-8.
class CFolderChooser {
public:
    CFolderChooser(std::string prompt, std::string initial, QWidget* owner);
    virtual ~CFolderChooser();
    CFolderChooser(const CFolderChooser&) = delete;
    CFolderChooser& operator=(const CFolderChooser&) = delete;

    // Shows the chooser; true when a folder with a file-system path was chosen.
    bool Browse();
    const Utf8Path& GetPath() const { return m_strPath; }

    // Test seam: the next Browse shows nothing and answers with this path (empty: cancelled).
    static void SetNextAnswer(std::optional<QString> path);

    Sjis m_strPrompt;
    QPointer<QWidget> m_hWndOwner;
    Utf8Path m_strPath;     // the chosen folder; empty until a choice is made
    Utf8Path m_strInitial;  // folder to preselect; empty for none
};
