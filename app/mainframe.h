#pragma once

#include <QFont>
#include <QMainWindow>
#include <array>
#include <map>

class CDocManager;
class CRecentFileList;
class CVespinDoc;
class CVespinTreeView;
class CVespinView;
class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStatusBar;
class QToolBar;

// The main window: menus, tool bar, the five-pane status bar with the employee and a running
// clock, and the splitter with the year/month tree left and the day list right.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Pane widths of the status bar (pixels); pane 0 stretches.
    static constexpr std::array<int, 5> kPaneWidths = {300, 47, 75, 73, 51};
    static constexpr int kClockTimer = 1;

    CMainFrame(CVespinDoc& doc, CDocManager& docManager, CRecentFileList& recent,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Menus, tool bar, status bar, caption, clock. False when something could not be made.
    bool OnCreate();
    // The splitter with the tree (the document's first view) and the day list (its second).
    bool OnCreateClient();

    CVespinTreeView* TreeView() const { return m_pTreeView; }
    CVespinView* ListView() const { return m_pListView; }
    // The command with this id (menu item, tool-bar button, accelerator), or nullptr.
    QAction* Action(int id) const;
    QToolBar* ToolBar() const { return m_wndToolBar; }
    QLabel* Pane(int index) const { return m_panes.at(static_cast<size_t>(index)); }
    // The paid-leave days left as of today, beside the employee; hidden without a hire date.
    QLabel* LeavePane() const { return m_paneLeave; }
    static QString IdleText();

    // Enables and checks the commands by their rules; run whenever the program is idle.
    void UpdateCommandUI();
    // Timer 1: the date and time panes.
    void OnTimer(int id);
    // The employee number and name panes, refreshed when the employee changes (and with the
    // clock, for a change made behind the document's back).
    void OnSetCursor();
    // The leave pane, as of today.
    void UpdateLeavePane();
    // After a book is opened: the five days of a year that will not be reached unless leave
    // is taken, said once.
    void ShowLeaveReminder();
    // Rebuilds the recent-file entries of the File menu.
    void UpdateRecentFileMenu();

public slots:
    // 本部提出用のデータ作成 (32776): the head-office export of the selected month.
    void OnExportMonth();
    // 印刷 (57607), 印刷ﾌﾟﾚﾋﾞｭｰ (57609), ﾌﾟﾘﾝﾀの設定 (57606): the monthly sheet.
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // ショートカットの作成 (32785): a desktop entry that opens the current book.
    void OnCreateShortcut();
    // 月の集計: the working time of the selected month; an incomplete day chosen there opens
    // its entry.
    void OnWorkSummary();
    void OnAgreementYear();
    // 有給休暇管理簿 as of today.
    void OnLeaveLedger();
    // 雇用情報の設定: the hire date, contracts and earlier use of paid leave, kept in the book.
    void OnEmploymentInfo();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, int id, const QString& text);
    void CreateMenus();
    bool CreateToolBar();
    bool CreateStatusBar();
    void NextPane();
    void ShowDisabledPrompt(QMenu* menu, QEvent* event);

    CVespinDoc& m_doc;
    CDocManager& m_docManager;
    CRecentFileList& m_recent;

    QFont m_fontStatus;
    QSplitter* m_wndSplitter = nullptr;
    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;

    CVespinTreeView* m_pTreeView = nullptr;
    CVespinView* m_pListView = nullptr;
    // 法定休日の指定 and 所定労働日の指定, also the day list's right-click menu.
    QMenu* m_pMarkMenus[2] = {nullptr, nullptr};
    std::map<int, QAction*> m_actions;
    std::array<QLabel*, 5> m_panes{};
    QLabel* m_paneLeave = nullptr;
    int m_nLeaveDay = 0;  // the day the leave pane was counted for
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    int m_nClockTimerId = 0;
    // Pane 0 shows the prompt of a greyed menu item.
    bool m_bDisabledPrompt = false;
};
