#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/document.h"
#include "framework/treehost.h"
#include "model/bookextension.h"
#include "model/calendarrules.h"
#include "model/dayrecord.h"
#include "model/lawsettings.h"
#include "model/recordarray.h"
#include "model/worktime.h"
#include "model/yearrecord.h"

class CView;
class IVespinUi;

// What the attendance entry stores into a day.
struct DayEntry {
    int32_t category = -1;
    std::string start;
    std::string end;
    std::string place;
};

// The attendance book of one employee: its data, its file format and its commands.
class CVespinDoc : public CDocument {
public:
    static constexpr int kFirstYear = 1998;
    static constexpr int kLastYear = 2036;
    static constexpr int kMaxPlaces = 300;

    // What NotifyChange reports besides the modified flag.
    enum Aspect : int { kEmployeeChanged = 1, kSelectionChanged = 2, kYearsChanged = 3 };

    // Reads the settings beside exePath (empty: the running program), else from its
    // installation's configuration folder, or from settingsPath alone when given; a missing
    // file is reported through ui and gives the defaults.
    explicit CVespinDoc(IVespinUi* ui = nullptr, const std::string& exePath = {},
                        const std::string& settingsPath = {});
    ~CVespinDoc() override;

    void SetVespinUi(IVespinUi* ui);

    // File format.
    void Serialize(CArchive& ar) override;
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void OnCloseDocument() override;

    // Commands.
    void OnYearAdd();
    void OnYearDelete();
    void OnEmployeeInfo();
    void OnPasswordSet();

    // The data side of the commands, also used by the command-line tool.
    // Registers fiscal year y (already checked) with its tree items.
    void RegisterYear(int y);
    void SetEmployee(const std::string& number, const std::string& name);
    // Stores an accepted attendance entry into day index, tells the views, marks modified.
    void StoreDayEntry(int index, const DayEntry& entry);

    // Calendar.
    static int IsLeapYear(int year);
    // Appends fiscal year y's record and days; returns the number of days appended.
    int AppendFiscalYear(int y);
    // First and last day index of calendar month m of fiscal year y into m_nRangeFirst/Last
    // (both -1 when the year is not registered).
    void CalcMonthRange(int y, int m);
    std::pair<int, int> MonthRange(int y, int m) const;
    // Types the days of fiscal year y again by m_calendar (nothing but the day types changes),
    // tells the views and marks the book modified; false when y is not registered.
    bool RetypeFiscalYear(int y);
    // 年度メニュー: the same for the fiscal year selected in the tree, after confirmation.
    void OnYearRetype();
    // Position of fiscal year y in m_aYears (last match), -1 when not registered.
    int FindYear(int y) const;
    // Removes fiscal year y's record and days, shifting the later blocks down.
    void RemoveFiscalYear(int y);

    // Settings.
    // Reads the first of m_astrSettingsPlaces that can be read into the lists (the defaults
    // and a message naming the places when none can).
    void ReadSettings();
    // Lines 5 and 6: m_calendar, and the message for bad company holidays.
    void ReadCalendarSettings();
    void InitProgramPaths(const std::string& exePath);
    int ReadSettingsFile();
    static std::string GetField(const std::string& line, int n);
    // The non-empty category names in slot order: the entries of the attendance dialog's list.
    std::vector<std::string> CategoryListEntries() const;
    // Line 7: the working-time rules into m_workRules; lines 8-10: the law's settings. Bad
    // fields are reported once.
    void ReadWorkRules();
    const lawsettings::Settings& LawSettings() const { return m_lawSettings; }

    // What the book keeps after its last day (per-day marks, the employee's details).
    const bookext::Extension& Extension() const { return m_extension; }
    // Takes a changed extension and marks the book modified.
    void SetExtension(bookext::Extension ext);
    // Sets one day's marks (both automatic: the day has none); when they change, tells the
    // views of the day and marks the book modified. False when the day is not registered.
    bool MarkDay(const bookext::DayMark& mark);

    // The tree's selection: the fiscal year and month selected (-1 for none) and the first
    // day index on show (-1 when no month is). The one way in for all three.
    void SetSelection(int year, int month, int shownFirst);

    // Views and caption.
    HTREEITEM InsertTreeItem(HTREEITEM parent, const std::string& text, int kind, int value);
    void SetWindowTitle(const UiText& name);
    // The first tree view (kind 1) or day list (kind 2), else nullptr.
    CView* FindView(int kind) const;

    // The program's own path; empty when it cannot be determined.
    static std::string RunningProgramPath();

    // Fields shared with the views, dialogs and output (Shift-JIS texts; paths are UTF-8).
    std::string m_strExeName;
    std::string m_strDocPath;
    std::array<std::string, 10> m_astrSettingLines;
    std::string m_strExeDir;
    int m_bStarted = 0;
    int m_bLoadCancelled = 0;
    std::string m_strPassword;
    std::vector<std::string> m_astrPlaces;
    int m_nSelMonth = -1;
    int m_nSelYear = -1;
    int m_anHolidays[12][10];
    int m_nRangeLast = -1;
    int m_nRangeFirst = -1;
    UiText m_strTitleName;  // the file name as it is, or "無題"
    std::string m_strEmployeeName;
    std::string m_strEmployeeNo;
    int m_nShownFirst = -1;
    std::array<std::string, 10> m_astrCategoryCodes;
    std::array<std::string, 10> m_astrCategories;
    std::array<std::string, 10> m_astrTimeFlags;
    std::array<std::string, 7> m_astrWeekdays;
    std::array<int, 12> m_anMonthOrder;
    CRecordArray<CYearRecord> m_aYears;
    CRecordArray<CDayRecord> m_aDays;
    std::array<int, 12> m_anMonthDays;

    // How registered days are typed (the fifth and sixth lines of the settings).
    CalendarRules m_calendar;

    // Where the settings are looked for, in order, and the one read (the first when none).
    std::vector<std::string> m_astrSettingsPlaces;
    std::string m_strSettingsPath;
    bool m_bSettingsMissing = false;
    // Scheduled time and breaks of a day, for the working-time summary.
    worktime::Rules m_workRules;

    // The tree control and the day list the document drives, and the tree's root item. The
    // document finds both views when a book starts and forgets each when it is removed; the
    // tree tells it its root. Tests may lend a tree control of their own.
    ITreeHost* GetTreeHost() const { return m_pTreeView; }
    void SetTreeHost(ITreeHost* tree) { m_pTreeView = tree; }
    CView* GetListView() const { return m_pListView; }
    HTREEITEM GetRootItem() const { return m_hRootItem; }
    void SetRootItem(HTREEITEM root) { m_hRootItem = root; }

protected:
    void OnViewRemoved(CView* view) override;

private:
    void SetDefaultSettings();
    void LoadBody(CArchive& ar);
    bool IsConsistent(const CRecordArray<CYearRecord>& years,
                      const CRecordArray<CDayRecord>& days) const;

    lawsettings::Settings m_lawSettings;
    bookext::Extension m_extension;
    IVespinUi* m_pVespinUi = nullptr;
    std::string m_strLoadingPath;
    CView* m_pListView = nullptr;
    ITreeHost* m_pTreeView = nullptr;
    HTREEITEM m_hRootItem = nullptr;
};
