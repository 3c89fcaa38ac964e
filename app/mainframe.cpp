#include "app/mainframe.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <functional>
#include <tuple>
#include <utility>

#include "app/backupcommand.h"
#include "app/commandids.h"
#include "app/exportcommand.h"
#include "app/folderreportcommand.h"
#include "app/toolbarimages.h"
#include "dialogs/agreementdlg.h"
#include "dialogs/employmentdlg.h"
#include "dialogs/leaveledgerdlg.h"
#include "dialogs/shortcutdlg.h"
#include "dialogs/worksummarydlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "framework/qt/recentfilelist.h"
#include "framework/sjis.h"
#include "model/civildate.h"
#include "model/leavebook.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/exportrules.h"
#include "output/qt/lawpaint.h"
#include "output/qt/sheetprinting.h"
#include "output/shelllink.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

// The recent-file entry while the list is empty.
QString NoRecentFiles() { return QStringLiteral("最近使ったﾌｧｲﾙ"); }

// 7, 7.5: days counted in half days.
QString HalfDaysText(int halfDays) {
    return halfDays % 2 ? QStringLiteral("%1.5").arg(halfDays / 2) : QString::number(halfDays / 2);
}

// 2027/3/31, as the ledger's messages write a date.
QString ShortDate(int day) {
    const civil::Ymd d = civil::FromSerial(day);
    return QStringLiteral("%1/%2/%3").arg(d.y).arg(d.m).arg(d.d);
}

// The prompt of each command: the status-bar text, then after "\n" its tool tip.
constexpr std::pair<int, const char*> kPrompts[] = {
    {cmd::kYearAdd, "年度の登録\n年度の登録"},
    {cmd::kYearDelete, "年度の削除\n年度の削除"},
    {cmd::kYearRetype, "選択した年度の休日を現在の設定で付け直し\n休日の付け直し"},
    {cmd::kExportMonth, "本部提出用のデータ作成\n本部提出用のデータ作成"},
    {cmd::kEmployeeInfo, "社員情報登録\n社員情報登録"},
    {cmd::kWorkSummary, "選択した月の勤務時間を集計\n月の集計"},
    {cmd::kMarkLegalHolidayAuto,
     "選択した日が法定休日かどうかを、設定どおりにする\n法定休日: 自動"},
    {cmd::kMarkLegalHolidayYes, "選択した日を法定休日とする (振替など)\n法定休日にする"},
    {cmd::kMarkLegalHolidayNo, "選択した日を法定休日としない\n法定休日にしない"},
    {cmd::kMarkWorkdayAuto, "選択した日が所定労働日かどうかを、設定どおりにする\n所定労働日: 自動"},
    {cmd::kMarkWorkdayYes, "選択した日を所定労働日とする\n所定労働日にする"},
    {cmd::kMarkWorkdayNo, "選択した日を所定休日とする\n所定労働日にしない"},
    {cmd::kAgreementYear, "選択した月を含む協定年度の時間外・休日労働と36協定の限度\n36協定の状況"},
    {cmd::kLeaveLedger, "有給休暇の付与・取得・残日数と年5日の取得状況\n有給休暇管理簿"},
    {cmd::kEmploymentInfo, "入社日・契約・以前の有給休暇の使用日数の設定\n雇用情報の設定"},
    {cmd::kFolderReport, "フォルダの出勤簿をまとめて集計\nフォルダの集計"},
    {cmd::kPasswordSet, "パスワードの設定・変更\nパスワードの設定・変更"},
    {cmd::kCreateShortcut, "ショートカットの作成\nショートカットの作成"},
    {cmd::kFileNew, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
    {cmd::kFileOpen, "既存のﾌｧｲﾙを開く\n開く"},
    {cmd::kFileOpenBackup,
     "以前に保存した内容を選んで、無題のファイルとして開く\nバックアップから開く"},
    {cmd::kFileSave, "作業中のﾌｧｲﾙを上書きして保存\n保存"},
    {cmd::kFileSaveAs, "作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存"},
    {cmd::kFilePrintSetup, "ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更\n印刷設定"},
    {cmd::kFilePrint, "作業中のﾌｧｲﾙを印刷\n印刷"},
    {cmd::kFilePrintPreview, "印刷ｲﾒｰｼﾞを表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
    {cmd::kFileMruFile1, "指定のﾌｧｲﾙを開く"},
    {cmd::kAppExit, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
    {cmd::kViewToolBar, "ﾂｰﾙ ﾊﾞｰの 表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
    {cmd::kViewStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
};

QString Prompt(int id) {
    for (const auto& [command, prompt] : kPrompts)
        if (command == id) return QString::fromUtf8(prompt);
    return {};
}

}  // namespace

CMainFrame::CMainFrame(CVespinDoc& doc, CDocManager& docManager, CRecentFileList& recent,
                       QWidget* parent)
    : QMainWindow(parent),
      m_doc(doc),
      m_docManager(docManager),
      m_recent(recent),
      m_fontStatus(ProgramFont(10)) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(toolbarimages::ProgramIcon());
    // The whole screen, centred; start-up then maximises the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.size());
        move(area.center() - rect().center());
    }
}

CMainFrame::~CMainFrame() { m_doc.SetChangeListener({}); }

QString CMainFrame::IdleText() {
    return QStringLiteral("該当の月を選択し、日付をダブルクリックして登録して下さい。");
}

QAction* CMainFrame::Action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------------------------
// Creation

bool CMainFrame::OnCreate() {
    CreateMenus();
    if (!CreateToolBar() || !CreateStatusBar()) return false;
    setWindowTitle(ToQ(texts::kUntitledVpx + "-" + texts::kAppTitle));

    m_nClockTimerId = startTimer(500);
    if (m_nClockTimerId == 0) return false;
    OnTimer(kClockTimer);  // no blank clock for the first half second
    OnSetCursor();
    UpdateLeavePane();

    // The employee and leave panes and the states of the commands follow the document's
    // changes.
    m_doc.SetChangeListener([this](int aspect) {
        if (aspect == CVespinDoc::kEmployeeChanged) OnSetCursor();
        if (aspect == CVespinDoc::kYearsChanged || aspect == CVespinDoc::kDaysChanged)
            UpdateLeavePane();
        UpdateCommandUI();
    });
    connect(&m_docManager, &CDocManager::bookOpened, this, &CMainFrame::ShowLeaveReminder);

    auto* next = new QShortcut(QKeySequence(Qt::Key_F6), this);
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(next, &QShortcut::activated, this, &CMainFrame::NextPane);
    connect(previous, &QShortcut::activated, this, &CMainFrame::NextPane);
    UpdateCommandUI();
    return true;
}

bool CMainFrame::OnCreateClient() {
    m_wndSplitter = new QSplitter(Qt::Horizontal, this);
    m_wndSplitter->setObjectName(QStringLiteral("splitter"));
    m_wndSplitter->setChildrenCollapsible(false);
    m_pTreeView = new CVespinTreeView(m_wndSplitter);
    m_pListView = new CVespinView(m_wndSplitter);
    m_pListView->SetDayMarkMenus(m_pMarkMenus[0], m_pMarkMenus[1]);
    m_wndSplitter->addWidget(m_pTreeView);
    m_wndSplitter->addWidget(m_pListView);
    m_wndSplitter->setStretchFactor(0, 0);
    m_wndSplitter->setStretchFactor(1, 1);
    m_wndSplitter->setSizes({150, std::max(150, width() - 150)});
    setCentralWidget(m_wndSplitter);
    // The tree first: every broadcast reaches it before the day list.
    m_doc.AddView(m_pTreeView);
    m_doc.AddView(m_pListView);
    return true;
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text) {
    auto* action = new QAction(text, this);
    action->setData(id);
    const QString prompt = Prompt(id);
    const qsizetype nl = prompt.indexOf(u'\n');
    action->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
    if (nl >= 0) action->setToolTip(prompt.mid(nl + 1));
    if (menu) menu->addAction(action);
    m_actions[id] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    m_pFileMenu = file;
    AddCommand(file, cmd::kFileNew, QStringLiteral("新規作成(&N)\tCtrl+N"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(file, cmd::kFileOpen, QStringLiteral("開く(&O)...\tCtrl+O"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    AddCommand(file, cmd::kFileOpenBackup, QStringLiteral("バックアップから開く(&B)..."));
    AddCommand(file, cmd::kFileSave, QStringLiteral("上書き保存(&S)\tCtrl+S"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    AddCommand(file, cmd::kFileSaveAs, QStringLiteral("名前を付けて保存(&A)..."));
    file->addSeparator();
    AddCommand(file, cmd::kFilePrint, QStringLiteral("印刷(&P)...\tCtrl+P"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    AddCommand(file, cmd::kFilePrintPreview, QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ(&V)"));
    AddCommand(file, cmd::kFilePrintSetup, QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)..."));
    file->addSeparator();
    AddCommand(file, cmd::kFileMruFile1, NoRecentFiles());
    m_pRecentSeparator = file->addSeparator();
    AddCommand(file, cmd::kAppExit, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"));

    QMenu* year = bar->addMenu(QStringLiteral("年度メニュー(&N)"));
    AddCommand(year, cmd::kYearAdd, QStringLiteral("年度の登録(&A)..."));
    year->addSeparator();
    AddCommand(year, cmd::kYearDelete, QStringLiteral("年度の削除(&D)"));
    year->addSeparator();
    AddCommand(year, cmd::kYearRetype, QStringLiteral("休日の付け直し(&R)..."));

    QMenu* process = bar->addMenu(QStringLiteral("処理メニュー(&S)"));
    AddCommand(process, cmd::kEmployeeInfo, QStringLiteral("社員情報登録(&S)..."));
    AddCommand(process, cmd::kCreateShortcut, QStringLiteral("ショートカットの作成(&C)"));
    process->addSeparator();
    AddCommand(process, cmd::kExportMonth, QStringLiteral("本部提出用のデータ作成(&D)..."));
    AddCommand(process, cmd::kWorkSummary, QStringLiteral("月の集計(&T)..."));
    AddCommand(process, cmd::kAgreementYear, QStringLiteral("36協定の状況(&A)..."));
    AddCommand(process, cmd::kLeaveLedger, QStringLiteral("有給休暇管理簿(&L)..."));
    AddCommand(process, cmd::kEmploymentInfo, QStringLiteral("雇用情報の設定(&H)..."));
    AddCommand(process, cmd::kFolderReport, QStringLiteral("フォルダの集計(&F)..."));
    process->addSeparator();
    // The selected day's marks, where the rules do not fit it; also the day list's right-click
    // menu.
    QMenu** marks = m_pMarkMenus;
    marks[0] = process->addMenu(QStringLiteral("法定休日の指定(&K)"));
    marks[1] = process->addMenu(QStringLiteral("所定労働日の指定(&W)"));
    const std::pair<int, QString> markItems[2][3] = {
        {{cmd::kMarkLegalHolidayAuto, QStringLiteral("自動 (設定どおり)(&A)")},
         {cmd::kMarkLegalHolidayYes, QStringLiteral("法定休日にする(&Y)")},
         {cmd::kMarkLegalHolidayNo, QStringLiteral("法定休日にしない(&N)")}},
        {{cmd::kMarkWorkdayAuto, QStringLiteral("自動 (設定どおり)(&A)")},
         {cmd::kMarkWorkdayYes, QStringLiteral("所定労働日にする(&Y)")},
         {cmd::kMarkWorkdayNo, QStringLiteral("所定労働日にしない(&N)")}}};
    for (int w = 0; w < 2; ++w) {
        marks[w]->menuAction()->setObjectName(w == 0 ? QStringLiteral("legalHolidayMenu")
                                                     : QStringLiteral("workdayMenu"));
        auto* group = new QActionGroup(marks[w]);
        for (const auto& [id, text] : markItems[w]) {
            QAction* a = AddCommand(marks[w], id, text);
            a->setCheckable(true);
            group->addAction(a);
        }
        connect(marks[w], &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    }
    process->addSeparator();
    AddCommand(process, cmd::kPasswordSet, QStringLiteral("パスワードの設定・変更(&P)"));

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    QAction* toolBar = AddCommand(view, cmd::kViewToolBar, QStringLiteral("ﾂｰﾙ ﾊﾞｰ(&T)"));
    QAction* statusBarItem = AddCommand(view, cmd::kViewStatusBar, QStringLiteral("ｽﾃｰﾀｽ ﾊﾞｰ(&S)"));
    toolBar->setCheckable(true);
    statusBarItem->setCheckable(true);

    for (QMenu* menu : {file, year, process, view}) {
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        menu->installEventFilter(this);
    }

    // Every command runs guarded: a failure with no file-specific message of its own shows the
    // framework's generic text and the program goes on.
    const auto command = [this](int id, std::function<void()> handler) {
        connect(Action(id), &QAction::triggered, this,
                [this, handler = std::move(handler)] { RunCommand(handler, this); });
    };

    // The framework's commands.
    command(cmd::kFileNew, [this] { m_docManager.OnFileNew(); });
    command(cmd::kFileOpen, [this] { m_docManager.OnFileOpen(); });
    command(cmd::kFileSave, [this] { m_docManager.OnFileSave(); });
    command(cmd::kFileSaveAs, [this] { m_docManager.OnFileSaveAs(); });
    command(cmd::kFileOpenBackup, [this] { OnOpenBackupCommand(m_doc, m_docManager, this); });
    command(cmd::kFileMruFile1, [this] { m_docManager.OpenRecentFile(0); });
    connect(Action(cmd::kAppExit), &QAction::triggered, this, &QWidget::close);
    connect(toolBar, &QAction::triggered, this, [this](bool on) { m_wndToolBar->setVisible(on); });
    connect(statusBarItem, &QAction::triggered, this,
            [this](bool on) { m_wndStatusBar->setVisible(on); });
    connect(&m_docManager, &CDocManager::recentFileListChanged, this,
            &CMainFrame::UpdateRecentFileMenu);

    // The document's commands.
    command(cmd::kYearAdd, [this] { m_doc.OnYearAdd(); });
    command(cmd::kYearDelete, [this] { m_doc.OnYearDelete(); });
    command(cmd::kYearRetype, [this] { m_doc.OnYearRetype(); });
    command(cmd::kEmployeeInfo, [this] { m_doc.OnEmployeeInfo(); });
    command(cmd::kPasswordSet, [this] { m_doc.OnPasswordSet(); });

    // Output commands.
    command(cmd::kExportMonth, [this] { OnExportMonth(); });
    command(cmd::kFilePrint, [this] { OnFilePrint(); });
    command(cmd::kFilePrintPreview, [this] { OnFilePrintPreview(); });
    command(cmd::kFilePrintSetup, [this] { OnFilePrintSetup(); });
    command(cmd::kCreateShortcut, [this] { OnCreateShortcut(); });
    command(cmd::kWorkSummary, [this] { OnWorkSummary(); });
    command(cmd::kLeaveLedger, [this] { OnLeaveLedger(); });
    command(cmd::kAgreementYear, [this] { OnAgreementYear(); });
    struct MarkCommand {
        int id;
        bool legal;
        bookext::Mark mark;
    };
    const MarkCommand markCommands[] = {
        {cmd::kMarkLegalHolidayAuto, true, bookext::Mark::automatic},
        {cmd::kMarkLegalHolidayYes, true, bookext::Mark::yes},
        {cmd::kMarkLegalHolidayNo, true, bookext::Mark::no},
        {cmd::kMarkWorkdayAuto, false, bookext::Mark::automatic},
        {cmd::kMarkWorkdayYes, false, bookext::Mark::yes},
        {cmd::kMarkWorkdayNo, false, bookext::Mark::no}};
    for (const MarkCommand& c : markCommands)
        command(c.id, [this, c] {
            if (m_pListView) m_pListView->MarkSelectedDay(c.legal, c.mark);
        });
    command(cmd::kEmploymentInfo, [this] { OnEmploymentInfo(); });
    command(cmd::kFolderReport, [this] { OnFolderReportCommand(m_doc, m_docManager, this); });

    UpdateRecentFileMenu();
}

bool CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(QStringLiteral("ﾂｰﾙ ﾊﾞｰ"), this);
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(24, 24));
    // Docked at the top with its gripper; it stays there.
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setFloatable(false);
    m_wndToolBar->setAllowedAreas(Qt::TopToolBarArea);
    m_wndToolBar->toggleViewAction()->setVisible(false);
    const int groups[][4] = {
        {cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, 0},
        {cmd::kFilePrint, 0, 0, 0},
        {cmd::kYearAdd, cmd::kYearDelete, 0, 0},
        {cmd::kEmployeeInfo, cmd::kExportMonth, cmd::kWorkSummary, cmd::kPasswordSet}};
    bool first = true;
    for (const auto& group : groups) {
        if (!first) m_wndToolBar->addSeparator();
        first = false;
        for (int id : group) {
            if (id == 0) continue;
            QAction* action = Action(id);
            action->setIcon(toolbarimages::ButtonIcon(id));
            // Menus keep their texts without pictures.
            action->setIconVisibleInMenu(false);
            m_wndToolBar->addAction(action);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QStringLiteral("statusBar"));
    m_wndStatusBar->setFont(m_fontStatus);
    for (size_t i = 0; i < m_panes.size(); ++i) {
        auto* pane = new QLabel(m_wndStatusBar);
        pane->setObjectName(QStringLiteral("pane%1").arg(i));
        pane->setFont(m_fontStatus);
        pane->setMinimumWidth(kPaneWidths[i]);
        m_panes[i] = pane;
        if (i == 3) {
            m_paneLeave = new QLabel(m_wndStatusBar);
            m_paneLeave->setObjectName(QStringLiteral("leavePane"));
            m_paneLeave->setFont(m_fontStatus);
            m_paneLeave->setAlignment(Qt::AlignCenter);
            m_paneLeave->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            m_paneLeave->hide();
            m_wndStatusBar->addPermanentWidget(m_paneLeave);
        }
        if (i == 0) {
            // Menu prompts cover this pane while an item is highlighted.
            pane->setText(IdleText());
            m_wndStatusBar->addWidget(pane, 1);
        } else {
            pane->setAlignment(Qt::AlignCenter);
            // The indicator panes are sunk into the bar; the style draws no frame of its own.
            pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            m_wndStatusBar->addPermanentWidget(pane);
        }
    }
    setStatusBar(m_wndStatusBar);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Running

void CMainFrame::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_nClockTimerId) {
        OnTimer(kClockTimer);
        return;
    }
    QMainWindow::timerEvent(event);
}

void CMainFrame::OnTimer(int id) {
    if (id != kClockTimer || !m_wndStatusBar) return;
    const LocalTime t = clock_::Now();
    m_panes[3]->setText(QString::asprintf("%d/%.2d/%.2d", t.year, t.month, t.day));
    m_panes[4]->setText(QString::asprintf("%.2d:%.2d:%.2d", t.hour, t.minute, t.second));
    // Grants and expiries fall on a new day.
    if (civil::Serial(t.year, t.month, t.day) != m_nLeaveDay) UpdateLeavePane();
}

void CMainFrame::UpdateLeavePane() {
    if (!m_paneLeave) return;
    const LocalTime now = clock_::Now();
    m_nLeaveDay = civil::Serial(now.year, now.month, now.day);
    if (!leave::BookEmployment(m_doc).hire) {
        m_paneLeave->hide();
        m_paneLeave->clear();
        return;
    }
    const int left = leave::BookLedger(m_doc, m_nLeaveDay).balance;
    m_paneLeave->setText(QStringLiteral("有休残 %1日").arg(HalfDaysText(left)));
    m_paneLeave->setToolTip(
        QStringLiteral("有給休暇の残日数 (%1 現在)").arg(ToQ(civil::Slashed(m_nLeaveDay))));
    m_paneLeave->show();
}

void CMainFrame::ShowLeaveReminder() {
    const leave::Employment employment = leave::BookEmployment(m_doc);
    if (!employment.hire) return;
    const LocalTime now = clock_::Now();
    const int today = civil::Serial(now.year, now.month, now.day);
    const std::vector<leave::Day> days = leave::BookDays(m_doc);
    const leave::Ledger ledger =
        leave::ComputeLedger(employment, leave::BookPolicy(m_doc), days, today);
    const std::optional<leave::FiveDayReminder> r = leave::FiveDaysAtRisk(ledger, days, today);
    if (!r) return;
    VespinMessageBox(
        QStringLiteral(
            "基準日 %1 の有給休暇を、期限の %2 までに、\nあと %3 日取得する必要があります。\n"
            "期限までの所定労働日は、残り %4 日です。")
            .arg(ShortDate(r->baseDate), ShortDate(r->deadline), HalfDaysText(r->owed))
            .arg(r->workdaysLeft),
        MsgKind::ok, this);
}

void CMainFrame::OnSetCursor() {
    if (!m_wndStatusBar) return;
    const QString number = ToQ(m_doc.EmployeeNo());
    const QString name = ToQ(m_doc.EmployeeName());
    if (m_panes[1]->text() != number) m_panes[1]->setText(number);
    if (m_panes[2]->text() != name) m_panes[2]->setText(name);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // Installed on the menu-bar menus only.
    if (auto* menu = qobject_cast<QMenu*>(watched)) ShowDisabledPrompt(menu, event);
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowDisabledPrompt(QMenu* menu, QEvent* event) {
    // Qt's menus announce only the items that can be chosen; a greyed item tells its prompt
    // all the same, like every other item.
    if (!m_wndStatusBar || menu->parent() != menuBar()) return;
    if (event->type() == QEvent::Hide) {
        if (m_bDisabledPrompt) m_wndStatusBar->clearMessage();
        m_bDisabledPrompt = false;
        return;
    }
    if (event->type() != QEvent::MouseMove) return;
    QPointer<QAction> action =
        menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    // After the menu has handled the move: leaving an item clears the status bar.
    QTimer::singleShot(0, this, [this, action] {
        if (action && !action->isEnabled() && !action->isSeparator()) {
            m_wndStatusBar->showMessage(action->statusTip());
            m_bDisabledPrompt = true;
        } else if (m_bDisabledPrompt && !action) {
            m_wndStatusBar->clearMessage();
            m_bDisabledPrompt = false;
        } else if (action) {
            if (m_bDisabledPrompt && action->isSeparator()) m_wndStatusBar->clearMessage();
            m_bDisabledPrompt = false;
        }
    });
}

void CMainFrame::UpdateCommandUI() {
    if (m_actions.empty()) return;
    Action(cmd::kFileSave)->setEnabled(m_doc.IsModified());
    Action(cmd::kFileOpenBackup)->setEnabled(OpenBackupCommandEnabled(m_doc, m_docManager));

    // All from the document's selection: after New or Open the top item, nothing to delete or
    // export, from the first paint on.
    Action(cmd::kYearDelete)->setEnabled(m_doc.GetSelection().kind == Selection::Kind::year);
    Action(cmd::kYearRetype)->setEnabled(m_doc.FindYear(m_doc.SelYear()) >= 0);
    Action(cmd::kExportMonth)->setEnabled(ExportCommandEnabled(m_doc));

    Action(cmd::kWorkSummary)->setEnabled(SelectedExportMonth(m_doc).has_value());
    Action(cmd::kAgreementYear)->setEnabled(SelectedExportMonth(m_doc).has_value());
    // The marks of the day selected in the list, when one is.
    const bool day = m_pListView && m_pListView->SelectedDay() >= 0;
    const bookext::DayMark marks = day ? m_pListView->SelectedDayMarks() : bookext::DayMark{};
    const std::tuple<int, bookext::Mark, bookext::Mark> markStates[] = {
        {cmd::kMarkLegalHolidayAuto, marks.legalHoliday, bookext::Mark::automatic},
        {cmd::kMarkLegalHolidayYes, marks.legalHoliday, bookext::Mark::yes},
        {cmd::kMarkLegalHolidayNo, marks.legalHoliday, bookext::Mark::no},
        {cmd::kMarkWorkdayAuto, marks.workday, bookext::Mark::automatic},
        {cmd::kMarkWorkdayYes, marks.workday, bookext::Mark::yes},
        {cmd::kMarkWorkdayNo, marks.workday, bookext::Mark::no}};
    for (const auto& [id, now, mark] : markStates) {
        Action(id)->setEnabled(day);
        Action(id)->setChecked(day && now == mark);
    }

    const bool monthShown = m_doc.GetSelection().kind == Selection::Kind::month;
    Action(cmd::kFilePrint)->setEnabled(monthShown);
    Action(cmd::kFilePrintPreview)->setEnabled(monthShown);

    if (m_wndToolBar) Action(cmd::kViewToolBar)->setChecked(!m_wndToolBar->isHidden());
    if (m_wndStatusBar) Action(cmd::kViewStatusBar)->setChecked(!m_wndStatusBar->isHidden());
}

void CMainFrame::UpdateRecentFileMenu() {
    QAction* entry = Action(cmd::kFileMruFile1);
    if (!entry) return;
    if (m_recent.GetSize() == 0) {
        entry->setText(NoRecentFiles());
        entry->setEnabled(false);
    } else {
        entry->setText(m_recent.MenuText(0));
        entry->setEnabled(true);
    }
}

void CMainFrame::NextPane() {
    // Two panes: forwards and backwards both go to the other one.
    if (m_pTreeView && m_pTreeView->hasFocus()) {
        if (m_pListView) m_pListView->setFocus(Qt::TabFocusReason);
    } else if (m_pTreeView) {
        m_pTreeView->setFocus(Qt::TabFocusReason);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_docManager.SaveModified()) {
        event->ignore();
        return;
    }
    killTimer(m_nClockTimerId);
    m_nClockTimerId = 0;
    m_doc.OnCloseDocument();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    // Opened after the drop has finished: the prompts and messages of an open are modal.
    QTimer::singleShot(0, this, [this, paths] {
        activateWindow();
        for (const QString& path : paths) m_docManager.OpenDocumentFile(path);
    });
}

// ---------------------------------------------------------------------------------------------
// Output commands: the export, printing and the shortcut are added by their own parts.

void CMainFrame::OnExportMonth() { OnExportMonthCommand(m_doc, this); }
// Printing belongs to the day list; whichever pane is active, the page is the month the tree
// selected.
void CMainFrame::OnFilePrint() {
    if (m_doc.FindView(2)) sheetprinting::FilePrint(m_doc, this);
}
void CMainFrame::OnFilePrintPreview() {
    if (m_doc.FindView(2)) sheetprinting::FilePrintPreview(m_doc, this);
}
void CMainFrame::OnFilePrintSetup() { sheetprinting::FilePrintSetup(this); }
void CMainFrame::OnCreateShortcut() {
    CShortcutDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    // The desktop folder as the desktop itself sees it, made when it does not exist yet (an
    // account whose desktop has never run has none); when it cannot be made, the box says so.
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && !QFileInfo(desktop).isDir() && !QDir().mkpath(desktop)) {
        VespinMessageBox(ToQ(texts::kShortcutFailed) +
                             QStringLiteral("\nデスクトップのフォルダ %1 を作成できませんでした。")
                                 .arg(QDir::toNativeSeparators(desktop)),
                         MsgKind::ok, this);
        return;
    }
    const std::optional<std::string> link =
        ShortcutFilePath(PathFromQ(desktop), sjis::ToUtf8(dlg.m_strName));
    const bool made =
        link && CreateShellLink(m_doc.ExeDir() + m_doc.ExeName(), *link, m_doc.DocPath());
    if (made)
        VespinMessageBox(
            texts::kShortcutCreatedBefore + dlg.m_strName + texts::kShortcutCreatedAfter,
            MsgKind::ok, this);
    else
        VespinMessageBox(texts::kShortcutFailed, MsgKind::ok, this);
}

void CMainFrame::OnLeaveLedger() {
    if (!leave::BookEmployment(m_doc).hire) {
        VespinMessageBox(texts::kHireDateMissing, MsgKind::ok, this);
        return;
    }
    const LocalTime now = clock_::Now();
    const int today = civil::Serial(now.year, now.month, now.day);
    CLeaveLedgerDlg dlg(m_doc, today, this);
    connect(dlg.m_btnPrint, &QPushButton::clicked, &dlg,
            [this, &dlg, today] { sheetprinting::PrintLedger(m_doc, today, &dlg); });
    dlg.exec();
}

void CMainFrame::OnEmploymentInfo() {
    const leave::Employment before = leave::BookEmployment(m_doc);
    CEmploymentDlg dlg(before, this);
    if (dlg.exec() != QDialog::Accepted) return;
    if (leave::EncodeEmployment(dlg.m_employment) != leave::EncodeEmployment(before))
        leave::SetBookEmployment(m_doc, dlg.m_employment);
}

void CMainFrame::OnAgreementYear() {
    const std::optional<ExportMonth> month = SelectedExportMonth(m_doc);
    if (!month) return;
    const int fy = month->fiscalYear, m = month->month;
    CAgreementDlg dlg(m_doc, fy, m, this);
    dlg.SetPrint([this, fy, m](QWidget* parent) {
        sheetprinting::PrintOnePage(
            QStringLiteral("36協定の状況"), parent, true,
            [this, fy, m](QPainter& p, int dpi) { PaintAgreement(p, dpi, m_doc, fy, m); });
    });
    dlg.exec();
}

void CMainFrame::OnWorkSummary() {
    const std::optional<ExportMonth> month = SelectedExportMonth(m_doc);
    if (!month) return;
    const int fy = month->fiscalYear, m = month->month;
    CWorkSummaryDlg dlg(m_doc, fy, m, this);
    dlg.SetPrint([this, fy, m](QWidget* parent) {
        sheetprinting::PrintOnePage(
            QStringLiteral("月の集計"), parent, true,
            [this, fy, m](QPainter& p, int dpi) { PaintWorkSummary(p, dpi, m_doc, fy, m); });
    });
    if (dlg.exec() != QDialog::Accepted || dlg.m_nOpenDay < 0 || !m_pListView) return;
    // The list shows the same month: its row is selected, as after a double-click there.
    if (QTreeWidgetItem* row = m_pListView->topLevelItem(dlg.m_nOpenDay - m_doc.ShownFirst()))
        m_pListView->setCurrentItem(row);
    m_pListView->OpenDayEntry(dlg.m_nOpenDay);
}
