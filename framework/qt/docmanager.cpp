#include "framework/qt/docmanager.h"

#include <QDir>
#include <QFileInfo>

#include "framework/document.h"
#include "framework/frameworktexts.h"
#include "framework/qt/filedialog.h"
#include "framework/qt/qtstrings.h"
#include "framework/qt/recentfilelist.h"
#include "framework/view.h"

CDocManager::CDocManager(CDocument& doc, CRecentFileList& recent, QObject* parent)
    : QObject(parent), m_doc(doc), m_recent(recent) {}

QString CDocManager::FullPath(const QString& path) {
    if (path.isEmpty()) return path;
    // ".." is resolved as the file system does, after the links before it: the folder is
    // taken as it really is; the name itself stays, so a link to a book keeps its name.
    const QFileInfo info(QDir::current().absoluteFilePath(path));
    const QString folder = QFileInfo(info.path()).canonicalFilePath();
    if (folder.isEmpty() || info.fileName().isEmpty() || info.fileName() == u"." ||
        info.fileName() == u"..")
        return QDir::cleanPath(info.absoluteFilePath());
    return folder == u"/" ? folder + info.fileName() : folder + u'/' + info.fileName();
}

void CDocManager::InitialUpdateViews() {
    // A copy: a view's update must not disturb the walk.
    const std::vector<CView*> views = m_doc.Views();
    for (CView* v : views) v->OnInitialUpdate();
}

bool CDocManager::CreateNewDocument() {
    if (!m_doc.OnNewDocument()) return false;
    m_strCopySource.clear();
    InitialUpdateViews();
    return true;
}

bool CDocManager::OnFileNew() {
    if (!SaveModified()) return false;
    return CreateNewDocument();
}

bool CDocManager::OnFileOpen() {
    // The dialog starts in the folder of the open book, if it has one.
    const QString current = PathToQ(m_doc.GetPathName());
    const QString path = CFileDialog::GetOpenFileName(
        m_pDialogParent, current.isEmpty() ? QString() : QFileInfo(current).absolutePath());
    if (path.isEmpty()) return false;
    return OpenDocumentFile(path);
}

bool CDocManager::OpenDocumentFile(const QString& requested) { return Open(requested, true); }

bool CDocManager::OpenDocumentCopy(const QString& path, const QString& source) {
    return Open(path, false, source);
}

bool CDocManager::Open(const QString& requested, bool remember, const QString& copyOf) {
    if (!SaveModified()) return false;
    const QString path = FullPath(requested);

    switch (m_doc.OpenDocument(PathFromQ(path))) {
        case CDocument::OpenResult::opened:
            break;
        case CDocument::OpenResult::declined:
        case CDocument::OpenResult::unreadable:
            // The previous book is untouched, views and modified flag included.
            return false;
        case CDocument::OpenResult::damaged:
            // Reported already: start afresh rather than show what the load left behind.
            CreateNewDocument();
            return false;
    }
    m_strCopySource = copyOf;
    // A copy is untitled before its views show it: the caption never names the generation's
    // file, not even while today's entry is open.
    if (!copyOf.isEmpty()) m_doc.SetPathName({});
    InitialUpdateViews();
    if (remember) AddToRecentFileList(path);
    if (m_doc.IsInUseElsewhere())
        m_doc.Message(UiText::Format(texts::kBookInUseReadOnly, UiText::Path(PathFromQ(path))));
    if (copyOf.isEmpty()) emit bookOpened();
    return true;
}

bool CDocManager::OpenRecentFile(int index) {
    const QString path = m_recent.GetPath(index);
    if (path.isEmpty()) return false;
    if (OpenDocumentFile(path)) return true;
    if (!QFileInfo::exists(path)) {
        m_recent.Remove(index);
        m_recent.WriteList();
        emit recentFileListChanged();
    }
    return false;
}

bool CDocManager::OnFileSave() {
    const QString path = PathToQ(m_doc.GetPathName());
    const QFileInfo info(path);
    // A read-only file is not overwritten behind the user's back: ask for another name.
    // (The mode bits count too: a privileged user may write anything.)
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const bool readOnly =
        info.exists() && (!info.isWritable() || !(info.permissions() & writeBits));
    // So is a book that another window or program has open for writing.
    if (path.isEmpty() || readOnly || m_doc.IsInUseElsewhere()) return DoSave({});
    return DoSave(path);
}

bool CDocManager::OnFileSaveAs() { return DoSave({}); }

bool CDocManager::DoSave(const QString& given) {
    QString path = given;
    if (path.isEmpty()) {
        QString suggested = PathToQ(m_doc.GetPathName());
        if (suggested.isEmpty()) suggested = m_strCopySource;
        if (suggested.isEmpty())
            suggested = ToQ(m_doc.GetTitle()) + u'.' + CFileDialog::DefaultSuffix();
        path = CFileDialog::GetSaveFileName(m_pDialogParent, suggested);
        if (path.isEmpty()) return false;
        path = FullPath(path);
    }
    const bool saved = m_doc.OnSaveDocument(PathFromQ(path));
    if (m_doc.LastBackup().outcome == KeepResult::failed && !m_bBackupFailureShown) {
        m_bBackupFailureShown = true;
        m_doc.Message(BackupFailedText(m_doc.LastBackup()));
    }
    if (!saved) return false;
    m_strCopySource.clear();
    AddToRecentFileList(path);
    return true;
}

bool CDocManager::SaveModified() {
    if (!m_doc.IsModified()) return true;
    const UiText prompt = UiText::Format(texts::kSavePrompt, m_doc.GetTitle());
    switch (m_doc.Message(prompt, MsgKind::yesNoCancel)) {
        case MsgAnswer::yes:
            return OnFileSave();
        case MsgAnswer::no:
            return true;
        default:
            return false;
    }
}

void CDocManager::AddToRecentFileList(const QString& path) {
    m_recent.Add(path);
    // Written at once, so that a crash later in the session does not lose it.
    m_recent.WriteList();
    emit recentFileListChanged();
}
