#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "app/vespinuiqt.h"
#include "framework/qt/recentfilelist.h"

class CDocManager;
class CMainFrame;
class CVespinDoc;

// The program: settings store, recent-file list, the one document with its main window,
// and the book named on the command line.
class CVespinApp {
public:
    // settingsPath: where vespin.ini is read from (empty: beside the program).
    explicit CVespinApp(std::string settingsPath = {});
    ~CVespinApp();
    CVespinApp(const CVespinApp&) = delete;
    CVespinApp& operator=(const CVespinApp&) = delete;

    // Start-up; arguments are the program's arguments without its name. False ends the
    // program at once.
    bool InitInstance(const QStringList& arguments);
    // Shut-down: writes the recent-file list; returns exitCode.
    int ExitInstance(int exitCode = 0);

    // The command line as one path: the arguments joined by single blanks, one pair of
    // outer double quotes removed.
    static QString CommandLinePath(const QStringList& arguments);

    CVespinDoc* Document() const { return m_pDoc.get(); }
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CDocManager* DocManager() const { return m_pDocManager.get(); }
    CRecentFileList& RecentFileList() { return m_recent; }

private:
    std::string m_strSettingsPath;
    CVespinUiQt m_ui;
    CRecentFileList m_recent{1};
    // Declared in the order of creation: the frame and its views go before the document.
    std::unique_ptr<CVespinDoc> m_pDoc;
    std::unique_ptr<CDocManager> m_pDocManager;
    std::unique_ptr<CMainFrame> m_pMainFrame;
};
