#include "framework/document.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "framework/archive.h"
#include "framework/fileerror.h"
#include "framework/frameworktexts.h"
#include "framework/readfile.h"
#include "framework/savefile.h"
#include "framework/view.h"

bool CDocument::s_flushToDisk = true;
WriteFault CDocument::s_writeFault;

CDocument::CDocument() = default;

CDocument::~CDocument() {
    for (CView* v : m_views) v->m_pDocument = nullptr;
}

void CDocument::AddView(CView* view) {
    m_views.push_back(view);
    view->m_pDocument = this;
}

void CDocument::RemoveView(CView* view) {
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
    view->m_pDocument = nullptr;
    OnViewRemoved(view);
}

void CDocument::UpdateAllViews(CView* sender, long hint, CObject* hintObject) {
    // A view may not add or remove views while it is told of a change; copy to be safe.
    const std::vector<CView*> views = m_views;
    for (CView* v : views)
        if (v != sender) v->OnUpdate(sender, hint, hintObject);
}

UiText CDocument::GetTitle() const {
    if (m_strPathName.empty()) return texts::kUntitled;
    const size_t slash = m_strPathName.rfind('/');
    return UiText::Path(m_strPathName.substr(slash == std::string::npos ? 0 : slash + 1));
}

MsgAnswer CDocument::Message(const UiText& text, MsgKind kind) const {
    if (!m_pUi) return kind == MsgKind::yesNoCancel ? MsgAnswer::no : MsgAnswer::ok;
    return m_pUi->MessageBox(text, kind);
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_lock.Release();
    m_strPathName.clear();
    // r.lockLost: the book is saved; m_lock no longer claims it, so the next save looks for
    // another writer first, as for a book opened where the file system has no locks.
    SetModifiedFlag(false);
    return true;
}

CDocument::LoadResult CDocument::Load(CArchive& ar) {
    Serialize(ar);
    return LoadResult::loaded;
}

CDocument::OpenResult CDocument::OpenDocument(const std::string& path) {
    std::string bytes;
    BookLock lock;
    const FileError err = lock.OpenAndRead(path, bytes, kMaxBookBytes, &m_lock);
    if (err != FileError::none) {
        Message(err == FileError::generic ? texts::kFailedToOpen : FileErrorText(err, path));
        return OpenResult::unreadable;
    }
    try {
        CArchive ar{std::string_view(bytes)};
        // A book the user declined stays closed; the open one keeps its lock.
        if (Load(ar) == LoadResult::declined) return OpenResult::declined;
    } catch (const ArchiveException&) {
        // What was read before the fault may have reached the contents: they are not the
        // saved book any more.
        SetModifiedFlag(true);
        Message(texts::kInvalidFormat);
        return OpenResult::damaged;
    }
    m_lock = std::move(lock);
    SetModifiedFlag(false);
    return OpenResult::opened;
}

bool CDocument::ConfirmOverwrite(const std::string& path) const {
    struct stat st {};
    const UiText name = UiText::Path(path);
    const FileStamp& stamp = m_lock.Stamp();
    if (::stat(path.c_str(), &st) != 0) {
        // The book was renamed or deleted since: a new file under the name would be a second
        // book drifting apart from the first.
        const bool gone = errno == ENOENT && path == m_strPathName && stamp.valid;
        return !gone || Message(UiText::Format(texts::kBookGoneFromDisk, name),
                                MsgKind::yesNoCancel) == MsgAnswer::yes;
    }
    if (!S_ISREG(st.st_mode)) return true;
    if (path == m_strPathName && stamp.valid && FileStamp::Of(st) != stamp &&
        Message(UiText::Format(texts::kBookChangedOnDisk, name), MsgKind::yesNoCancel) !=
            MsgAnswer::yes)
        return false;
    // A save writes a new file: the book's other names would keep the old contents.
    if (st.st_nlink > 1 && Message(UiText::Format(texts::kBookHardLinked, name),
                                   MsgKind::yesNoCancel) != MsgAnswer::yes)
        return false;
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    if (!ConfirmOverwrite(path)) return false;
    const bool wasModified = IsModified();
    std::string bytes;
    CArchive ar(bytes);
    Serialize(ar);
    m_lastBackup = {};
    BeforeReplace keep;
    if (m_backups.enabled) keep = [&] { m_lastBackup = backups::Keep(m_backups, path, bytes); };
    const SaveResult r = SaveFileAtomic(path, bytes,
                                        {.fault = s_writeFault,
                                         .flushToDisk = s_flushToDisk,
                                         .lock = &m_lock,
                                         .beforeReplace = keep});
    if (!r) {
        if (r.cause == FileError::generic)
            Message(r.created ? texts::kFailedToSave : texts::kInvalidFileName);
        else
            Message(FileErrorText(r.cause, path));
        // Nothing reached the disk: the book is exactly as unsaved as before.
        SetModifiedFlag(wasModified);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument() {
    DeleteContents();
    m_lock.Release();
}
