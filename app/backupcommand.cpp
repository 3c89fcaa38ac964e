#include "app/backupcommand.h"

#include <QFileInfo>

#include "dialogs/backupdlg.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"

namespace {
QString Book(const CVespinDoc& doc, const CDocManager& manager) {
    const QString path = PathToQ(doc.GetPathName());
    return path.isEmpty() ? manager.CopySource() : path;
}
}  // namespace

bool OpenBackupCommandEnabled(const CVespinDoc& doc, const CDocManager& manager) {
    return !Book(doc, manager).isEmpty();
}

void OnOpenBackupCommand(CVespinDoc& doc, CDocManager& manager, QWidget* parent) {
    const QString book = Book(doc, manager);
    if (book.isEmpty()) return;
    const std::vector<GenerationInfo> list =
        DescribeGenerations(doc.GetBackupOptions().root, PathFromQ(book));
    if (list.empty()) {
        VespinMessageBox(texts::kNoBackups, MsgKind::ok, parent);
        return;
    }
    CBackupDlg dlg(list, book, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.Selected() < 0) return;
    const Generation& chosen = list[static_cast<size_t>(dlg.Selected())].generation;
    if (!manager.OpenDocumentCopy(PathToQ(Utf8Path(chosen.path)), book)) return;
    doc.ShowAsCopy(UiText::Format(texts::kBackupCaption,
                                  UiText::Path(PathFromQ(QFileInfo(book).fileName())),
                                  UiText::FromSjis(GenerationTime(chosen.time))));
}
