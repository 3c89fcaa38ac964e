#pragma once

#include <QObject>
#include <QString>

class CDocument;
class CRecentFileList;
class QWidget;

// The framework's document commands for the one document of the program: New, Open (menu,
// recent-file list, command line, dropped file), Save, Save As and the save prompt before
// anything replaces or ends the document.
class CDocManager : public QObject {
    Q_OBJECT
public:
    CDocManager(CDocument& doc, CRecentFileList& recent, QObject* parent = nullptr);

    // Parent of the file dialogs.
    void SetDialogParent(QWidget* parent) { m_pDialogParent = parent; }

    // A new document without asking: OnNewDocument, then every view's initial update.
    bool CreateNewDocument();
    // File > New.
    bool OnFileNew();
    // File > Open: the dialog, then OpenDocumentFile.
    bool OnFileOpen();
    // Opens path after the save prompt. A file that cannot be read leaves the document as it
    // was; one that spoilt the document on the way in leaves a new, empty one instead.
    bool OpenDocumentFile(const QString& path);
    // Opens path as an untitled book (an earlier generation of source): not added to the
    // recent-file list, and the first save asks for a name, offering source.
    bool OpenDocumentCopy(const QString& path, const QString& source);
    // The book the open untitled copy came from; empty for any other document.
    const QString& CopySource() const { return m_strCopySource; }
    // The recent-file entry index; an entry whose file is gone leaves the list.
    bool OpenRecentFile(int index);
    // File > Save: asks for a name when the document has none or its file is read-only.
    bool OnFileSave();
    // File > Save As.
    bool OnFileSaveAs();
    // The save prompt "%1 への変更を保存しますか?" when the document is modified. False when the
    // user cancelled or the save failed: the caller must not go on.
    bool SaveModified();

    // Every view's initial update, in the document's order (tree first).
    void InitialUpdateViews();

    // The absolute form of path, as the document's title shows it.
    static QString FullPath(const QString& path);

signals:
    void recentFileListChanged();
    // A book was opened (not a backup generation's copy) and its views are up, today's entry
    // included.
    void bookOpened();

private:
    // copyOf: the book a backup generation at requested is opened as an untitled copy of.
    bool Open(const QString& requested, bool remember, const QString& copyOf = {});
    bool DoSave(const QString& path);
    void AddToRecentFileList(const QString& path);

    CDocument& m_doc;
    CRecentFileList& m_recent;
    QWidget* m_pDialogParent = nullptr;
    QString m_strCopySource;
    // A save that could keep no backup says so once per run.
    bool m_bBackupFailureShown = false;
};
