#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/document.h"
#include "model/bookextension.h"
#include "model/companysettings.h"
#include "model/dayrecord.h"
#include "model/lawsettings.h"
#include "model/recordarray.h"
#include "model/selection.h"
#include "model/yearrecord.h"

class CView;
class IVespinUi;

// The attendance book of one employee: its data, its file format and its commands.
class CVespinDoc : public CDocument {
public:
    static constexpr int kFirstYear = 1998;
    static constexpr int kLastYear = 2036;
    static constexpr int kMaxPlaces = CompanySettings::kMaxPlaces;

    // What NotifyChange reports besides the modified flag. kDaysChanged: a day stored or
    // retyped, or the extension (marks, employment) replaced.
    enum Aspect : int {
        kEmployeeChanged = 1,
        kSelectionChanged = 2,
        kYearsChanged = 3,
        kDaysChanged = 4
    };

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
    OpenResult OpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    void OnCloseDocument() override;

    // Commands.
    void OnYearAdd();
    void OnYearDelete();
    void OnEmployeeInfo();
    void OnPasswordSet();

    // The data side of the commands, also used by the command-line tool.
    // Registers fiscal year y (already checked), tells the views and selects it.
    void RegisterYear(int y);
    // Removes fiscal year y with its days, marking the book modified. A selection in it moves
    // first to the next year in registration order, else the one before, else the top.
    void DeleteYear(int y);
    void SetEmployee(const std::string& number, const std::string& name);
    // Stores an accepted attendance entry into day index, tells the views, marks modified.
    void StoreDayEntry(int index, const DayEntry& entry);
    // The file password ("" for none), marking the book modified.
    void SetPassword(const std::string& password);

    // Calendar.
    static int IsLeapYear(int year);
    // Appends fiscal year y's record and days; returns the number of days appended.
    int AppendFiscalYear(int y);
    // First and last day index of calendar month m of fiscal year y (both -1 when the year is
    // not registered).
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

    // Settings: read once by the constructor into one value, and only looked at after.
    const CompanySettings& Settings() const { return m_settings; }
    // Reads m_astrSettingsPlaces again into the settings and tells the user of their problems.
    void ReadSettings();
    // Puts settings in force as they are (a test's or a benchmark's own).
    void UseSettings(CompanySettings settings) { m_settings = std::move(settings); }
    static std::string GetField(const std::string& line, int n);
    // The non-empty category names in slot order: the entries of the attendance dialog's list.
    std::vector<std::string> CategoryListEntries() const {
        return m_settings.CategoryListEntries();
    }
    // Lines 8-10: the law's settings.
    const lawsettings::Settings& LawSettings() const { return m_settings.m_lawSettings; }

    // What the book keeps after its last day (per-day marks, the employee's details).
    const bookext::Extension& Extension() const { return m_extension; }
    // Takes a changed extension and marks the book modified.
    void SetExtension(bookext::Extension ext);
    // Sets one day's marks (both automatic: the day has none); when they change, tells the
    // views of the day and marks the book modified. False when the day is not registered.
    bool MarkDay(const bookext::DayMark& mark);

    // The one way to change the selection: the user's choice in the tree, or an operation's
    // own. Tells the frame, then the views (kShowRange with the month's days, -1 for none).
    void SetSelection(const Selection& selection);
    const Selection& GetSelection() const { return m_selection; }

    // Views and caption.
    void SetWindowTitle(const UiText& name);
    // The first tree view (kind 1) or day list (kind 2), else nullptr.
    CView* FindView(int kind) const;

    // The program's own path; empty when it cannot be determined.
    static std::string RunningProgramPath();

    // The book (Shift-JIS texts), read by the views, dialogs, output and the tool; changed
    // only through the operations above.
    const CRecordArray<CYearRecord>& Years() const { return m_aYears; }
    const CRecordArray<CDayRecord>& Days() const { return m_aDays; }
    const std::string& EmployeeNo() const { return m_strEmployeeNo; }
    const std::string& EmployeeName() const { return m_strEmployeeName; }
    const std::string& Password() const { return m_strPassword; }
    // The fiscal year's months in order (4 … 3) and their lengths in a common year.
    const std::array<int, 12>& MonthOrder() const { return m_anMonthOrder; }
    const std::array<int, 12>& MonthDays() const { return m_anMonthDays; }

    // The selected fiscal year and month (-1 for none), and the first day index on show (-1
    // when no month of a registered year is selected).
    int SelYear() const { return m_selection.year; }
    int SelMonth() const { return m_selection.month; }
    int ShownFirst() const;

    // The program's own folder (ending in '/') and name, the book's path (UTF-8, empty when
    // untitled or shown as a copy) and the name in the caption.
    const std::string& ExeDir() const { return m_strExeDir; }
    const std::string& ExeName() const { return m_strExeName; }
    const std::string& DocPath() const { return m_strDocPath; }
    const UiText& TitleName() const { return m_strTitleName; }
    // Shows the book as an untitled copy named title (a backup generation opened for reading).
    void ShowAsCopy(const UiText& title);

    // The day list (the second view), found when a book starts and forgotten when removed.
    CView* GetListView() const { return m_pListView; }

    // Loads the book from bytes already read (the folder report reads many without opening
    // them): declined when its password is not given.
    LoadResult Load(CArchive& ar) override;

protected:
    friend struct VespinDocAccess;  // tests and benchmarks (model/vespindocaccess.h)
    void OnViewRemoved(CView* view) override;

private:
    void InitProgramPaths(const std::string& exePath);
    void LoadBody(CArchive& ar);
    bool IsConsistent(const CRecordArray<CYearRecord>& years,
                      const CRecordArray<CDayRecord>& days) const;

    std::string m_strExeName;
    std::string m_strDocPath;
    std::string m_strExeDir;
    int m_bStarted = 0;
    std::string m_strPassword;
    Selection m_selection;
    int m_anHolidays[12][10];
    UiText m_strTitleName;  // the file name as it is, or "無題"
    std::string m_strEmployeeName;
    std::string m_strEmployeeNo;
    std::array<std::string, 7> m_astrWeekdays;
    std::array<int, 12> m_anMonthOrder;
    CRecordArray<CYearRecord> m_aYears;
    CRecordArray<CDayRecord> m_aDays;
    std::array<int, 12> m_anMonthDays;
    CompanySettings m_settings;

    bookext::Extension m_extension;
    IVespinUi* m_pVespinUi = nullptr;
    std::string m_strLoadingPath;
    CView* m_pListView = nullptr;
};
