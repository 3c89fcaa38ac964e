#include "app/folderreportcommand.h"

#include <QDir>
#include <QFileInfo>

#include "dialogs/folderreportdlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/qtstrings.h"
#include "model/vespindoc.h"

void OnFolderReportCommand(const CVespinDoc& doc, CDocManager& manager, QWidget* parent) {
    const QString book = PathToQ(doc.GetPathName());
    const QString folder = book.isEmpty() ? QDir::homePath() : QFileInfo(book).absolutePath();
    const LocalTime now = clock_::Now();
    // A window of its own beside the book: it stays open while books are opened from it.
    auto* dlg =
        new CFolderReportDlg(doc.Settings().m_strSettingsPath, folder, now.year, now.month, parent);
    dlg->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dlg, &CFolderReportDlg::openBook, &manager,
                     [&manager](const QString& path) { manager.OpenDocumentFile(path); });
    dlg->show();
}
