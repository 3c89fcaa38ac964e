#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/backups.h"
#include "framework/booklock.h"
#include "framework/encoded.h"
#include "framework/object.h"
#include "framework/savefile.h"
#include "framework/userinterface.h"

class CArchive;
class CView;

// The document half of document/view: ordered views, modified flag, path, and the file steps
// of New, Open and Save with their error reports. The program's document derives from it.
class CDocument : public CObject {
public:
    CDocument();
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    void SetUserInterface(IUserInterface* ui) { m_pUi = ui; }
    IUserInterface* GetUserInterface() const { return m_pUi; }

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& Views() const { return m_views; }
    // Tells every view, in order, except the sender.
    void UpdateAllViews(CView* sender, long hint = 0, CObject* hintObject = nullptr);

    // Whoever shows the document outside its views (the frame, the states of the commands)
    // learns here of the changes no hint carries: the modified flag, and the aspects the
    // program's document names. One listener; an empty one removes it.
    using ChangeListener = std::function<void(int aspect)>;
    static constexpr int kModifiedChanged = 0;
    void SetChangeListener(ChangeListener listener) { m_changeListener = std::move(listener); }

    void SetModifiedFlag(bool modified = true) {
        if (m_bModified == modified) return;
        m_bModified = modified;
        NotifyChange(kModifiedChanged);
    }
    bool IsModified() const { return m_bModified; }

    // The path of the file the document was last opened from or saved to (UTF-8); empty when
    // untitled.
    const Utf8Path& GetPathName() const { return m_strPathName; }
    void SetPathName(std::string path) { m_strPathName = Utf8Path(std::move(path)); }
    // The file title for the save prompt: the file name, or "無題".
    UiText GetTitle() const;

    virtual bool OnNewDocument();
    // How an open ended, every message already shown. declined: the user said no at a prompt;
    // unreadable: the file could not be read. After either the contents are untouched. damaged:
    // the file was read and is not a book of this program; the contents may have been spoilt.
    enum class OpenResult { opened, declined, unreadable, damaged };
    // What a load from the file's bytes came to; a damaged file throws ArchiveException.
    enum class LoadResult { loaded, declined };
    virtual OpenResult OpenDocument(const std::string& path);
    bool OnOpenDocument(const std::string& path) {
        return OpenDocument(path) == OpenResult::opened;
    }
    // Whether the book was opened while another window or program had it open for writing:
    // it is then read-only here, and a save under its name is refused.
    bool IsInUseElsewhere() const { return m_lock.Busy(); }
    virtual bool OnSaveDocument(const std::string& path);
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    // Backup generations kept by every save that replaces a file (off until set).
    void SetBackupOptions(BackupOptions options) { m_backups = std::move(options); }
    const BackupOptions& GetBackupOptions() const { return m_backups; }
    // What the last save did about its generation.
    const KeepResult& LastBackup() const { return m_lastBackup; }

    // Shows a message through the user interface (OK box unless told otherwise).
    MsgAnswer Message(const UiText& text, MsgKind kind = MsgKind::ok) const;

    // Set while a save must skip the flush to disk (benchmarks of the serialisation alone).
    static bool s_flushToDisk;
    // Test seam: injected into every save's writes (see SaveFileAtomic).
    static WriteFault s_writeFault;

protected:
    // A view has left: the program's document forgets what it knew of it.
    virtual void OnViewRemoved(CView* view) { (void)view; }
    // Loads the document from a file being opened; by default through Serialize.
    virtual LoadResult Load(CArchive& ar);
    void NotifyChange(int aspect) const {
        if (m_changeListener) m_changeListener(aspect);
    }

    IUserInterface* m_pUi = nullptr;

private:
    // Asks before a save would overwrite what another program wrote, or split a hard link.
    bool ConfirmOverwrite(const std::string& path) const;

    std::vector<CView*> m_views;
    bool m_bModified = false;
    Utf8Path m_strPathName;
    BackupOptions m_backups;
    KeepResult m_lastBackup;
    ChangeListener m_changeListener;
    BookLock m_lock;  // held while the book is open for writing
};
