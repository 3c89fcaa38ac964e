#include "app/vespinapp.h"

#include <QApplication>

#include "app/mainframe.h"
#include "app/toolbarimages.h"
#include "framework/qt/backupprofile.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/japanese.h"
#include "framework/qt/qtstrings.h"
#include "model/vespindoc.h"

CVespinApp::CVespinApp(std::string settingsPath) : m_strSettingsPath(std::move(settingsPath)) {}

CVespinApp::~CVespinApp() {
    m_pMainFrame.reset();
    m_pDocManager.reset();
    m_pDoc.reset();
}

QString CVespinApp::CommandLinePath(const QStringList& arguments) {
    QString line = arguments.join(u' ');
    if (line.startsWith(u'"')) {
        // A lone quote has no closing one to drop.
        line = line.size() >= 2 ? line.mid(1, line.size() - 2) : QString();
    }
    return line;
}

bool CVespinApp::InitInstance(const QStringList& arguments) {
    // Qt's own dialogs in Japanese; the program's font found on this system.
    InstallJapaneseSupport();
    // Every window carries the program's icon, the message boxes before the main window too.
    QApplication::setWindowIcon(toolbarimages::ProgramIcon());

    // The per-user settings store and its one-entry recent-file list.
    QCoreApplication::setOrganizationName(CRecentFileList::OrganizationName());
    QCoreApplication::setApplicationName(CRecentFileList::ApplicationName());
    m_recent.ReadList();

    // The document first: it reads the settings and may say so before any window exists.
    m_pDoc = std::make_unique<CVespinDoc>(&m_ui, std::string(), m_strSettingsPath);
    m_pDoc->SetBackupOptions(ReadBackupProfile());
    m_pDocManager = std::make_unique<CDocManager>(*m_pDoc, m_recent);

    m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc, *m_pDocManager, m_recent);
    if (!m_pMainFrame->OnCreate() || !m_pMainFrame->OnCreateClient()) return false;
    m_ui.SetMainWindow(m_pMainFrame.get());
    m_pDocManager->SetDialogParent(m_pMainFrame.get());
    if (!m_pDocManager->CreateNewDocument()) return false;

    m_pMainFrame->showMaximized();
    m_pMainFrame->repaint();

    const QString path = CommandLinePath(arguments);
    if (!path.isEmpty()) m_pDocManager->OpenDocumentFile(path);

    m_pMainFrame->setAcceptDrops(true);
    return true;
}

int CVespinApp::ExitInstance(int exitCode) {
    m_recent.WriteList();
    return exitCode;
}
