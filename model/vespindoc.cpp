#include "model/vespindoc.h"

#include <unistd.h>

#include <tuple>

#include "framework/archive.h"
#include "framework/sjis.h"
#include "framework/view.h"
#include "model/leavepolicy.h"
#include "model/settingsline.h"
#include "model/settingsplaces.h"
#include "model/texts.h"
#include "model/updatehint.h"
#include "model/vespinui.h"

namespace {

// Minimum stored size of a day record: five ints and four empty strings (24 bytes),
// and of a year record (16 bytes); counts that need more than the file holds are refused
// before anything is allocated for them.
constexpr uint64_t kMinDayBytes = 3 * 4 + 3 * 1 + 4 + 1 + 4;
constexpr uint64_t kYearBytes = 16;

// A count and that many records; a negative count, or one that needs more than the file
// holds, is refused before anything is allocated.
template <class Record>
CRecordArray<Record> ReadRecords(CArchive& ar, uint64_t minBytes) {
    CRecordArray<Record> records;
    const int32_t n = ar.ReadInt();
    if (n < 0) throw ArchiveException{ArchiveException::badFormat};
    ar.Require(static_cast<uint64_t>(n) * minBytes);
    records.Reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        auto record = std::make_unique<Record>();
        record->Serialize(ar);
        records.Add(std::move(record));
    }
    return records;
}

}  // namespace

CVespinDoc::CVespinDoc(IVespinUi* ui, const std::string& exePath, const std::string& settingsPath) {
    SetVespinUi(ui);
    m_anMonthDays = {30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 28, 31};
    m_anMonthOrder = {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3};
    for (int i = 0; i < 7; ++i) m_astrWeekdays[static_cast<size_t>(i)] = texts::kWeekdays[i];

    InitProgramPaths(exePath.empty() ? RunningProgramPath() : exePath);
    m_settings.m_astrSettingsPlaces =
        settingsPath.empty() ? SettingsPlaces(m_strExeDir) : std::vector{settingsPath};
    ReadSettings();

    static const int holidays[12][3] = {{1, 15, -1},  {11, -1, -1}, {21, -1, -1}, {29, -1, -1},
                                        {3, 4, 5},    {-1, -1, -1}, {20, -1, -1}, {-1, -1, -1},
                                        {15, 23, -1}, {10, -1, -1}, {3, 23, -1},  {23, -1, -1}};
    for (int m = 0; m < 12; ++m)
        for (int s = 0; s < 10; ++s) m_anHolidays[m][s] = s < 3 ? holidays[m][s] : -1;

    m_strTitleName = texts::kUntitled;
}

void CVespinDoc::ReadSettings() {
    m_settings = ReadCompanySettings(m_settings.m_astrSettingsPlaces);
    for (const UiText& problem : m_settings.m_problems) Message(problem);
}

CVespinDoc::~CVespinDoc() = default;

void CVespinDoc::SetVespinUi(IVespinUi* ui) {
    m_pVespinUi = ui;
    SetUserInterface(ui);
}

// ---------------------------------------------------------------------------------------------
// Settings

std::string CVespinDoc::RunningProgramPath() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    return std::string(buf, static_cast<size_t>(n));
}

void CVespinDoc::InitProgramPaths(const std::string& exePath) {
    const size_t slash = exePath.rfind('/');
    if (slash == std::string::npos) {
        m_strExeDir = "./";
        m_strExeName = exePath;
    } else {
        m_strExeDir = exePath.substr(0, slash + 1);
        m_strExeName = exePath.substr(slash + 1);
    }
}

std::string CVespinDoc::GetField(const std::string& line, int n) { return SettingsField(line, n); }

// ---------------------------------------------------------------------------------------------
// Calendar

int CVespinDoc::IsLeapYear(int year) {
    return (year % 400 == 0 || (year % 4 == 0 && year % 100 != 0)) ? 1 : 0;
}

int CVespinDoc::AppendFiscalYear(int y) {
    const int leap = IsLeapYear(y + 1);
    int first = 0;
    for (const auto& yr : m_aYears) first += yr->DayCount();

    auto rec = std::make_unique<CYearRecord>();
    rec->SetYear(y);
    rec->SetFirstIndex(first);
    rec->SetLastIndex(first + 364 + leap);
    rec->SetLeap(leap);
    m_aYears.Add(std::move(rec));

    const int before = m_aDays.GetSize();
    m_aDays.Reserve(static_cast<size_t>(before) + 365 + static_cast<size_t>(leap));
    const std::vector<int> types = FiscalYearDayTypes(y, m_settings.m_calendar, m_anHolidays);
    std::array<int, 12> monthDays = m_anMonthDays;
    if (leap) monthDays[10] = 29;
    size_t t = 0;
    for (int i = 0; i < 12; ++i) {
        const int m = m_anMonthOrder[static_cast<size_t>(i)];
        const int k = i < 9 ? y : y + 1;
        for (int d = 1; d <= monthDays[static_cast<size_t>(i)]; ++d) {
            const int w = holidays::DayOfWeek(k, m, d);
            auto day = std::make_unique<CDayRecord>();
            day->SetYear(k);
            day->SetMonth(m);
            day->SetDay(d);
            day->SetWeekday(m_astrWeekdays[static_cast<size_t>(w)]);
            day->SetCategory(-1);
            day->SetDayType(types[t++]);
            m_aDays.Add(std::move(day));
        }
    }
    return m_aDays.GetSize() - before;
}

bool CVespinDoc::RetypeFiscalYear(int y) {
    const int k = FindYear(y);
    if (k < 0) return false;
    const CYearRecord* yr = m_aYears[k];
    const std::vector<int> types = FiscalYearDayTypes(y, m_settings.m_calendar, m_anHolidays);
    // Each day by its own date, so that a block that does not hold its year's dates in order
    // keeps the types it has rather than taking another day's.
    for (int i = yr->GetFirstIndex(); i <= yr->GetLastIndex(); ++i) {
        CDayRecord* r = m_aDays[i];
        const int n = FiscalDayNumber(y, r->GetYear(), r->GetMonth(), r->GetDay());
        if (n >= 0 && static_cast<size_t>(n) < types.size())
            r->SetDayType(types[static_cast<size_t>(n)]);
    }
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kDayChanged;
    hint.m_nFirst = yr->GetFirstIndex();
    hint.m_nLast = yr->GetLastIndex();
    hint.m_nYear = y;
    UpdateAllViews(nullptr, 0, &hint);
    NotifyChange(kDaysChanged);
    SetModifiedFlag(true);
    return true;
}

void CVespinDoc::OnYearRetype() {
    if (FindYear(m_selection.year) < 0) return;
    if (Message(texts::kConfirmYearRetype, MsgKind::okCancel) != MsgAnswer::ok) return;
    RetypeFiscalYear(m_selection.year);
}

int CVespinDoc::FindYear(int y) const {
    for (int k = m_aYears.GetSize() - 1; k >= 0; --k)
        if (m_aYears[k]->GetYear() == y) return k;
    return -1;
}

std::pair<int, int> CVespinDoc::MonthRange(int y, int m) const {
    const int k = FindYear(y);
    if (k < 0) return {-1, -1};
    const CYearRecord* yr = m_aYears[k];
    int p = 0;
    while (p < 12 && m_anMonthOrder[static_cast<size_t>(p)] != m) ++p;
    if (p == 12) return {-1, -1};
    auto days = [&](int i) {
        return (i == 10 && yr->GetLeap() == 1) ? 29 : m_anMonthDays[static_cast<size_t>(i)];
    };
    int first = yr->GetFirstIndex();
    for (int i = 0; i < p; ++i) first += days(i);
    return {first, first + days(p) - 1};
}

void CVespinDoc::RemoveFiscalYear(int y) {
    const int k = FindYear(y);
    if (k < 0) return;
    const CYearRecord* yr = m_aYears[k];
    const int count = yr->DayCount();
    m_aDays.RemoveRecords(yr->GetFirstIndex(), count);
    for (int i = k + 1; i < m_aYears.GetSize(); ++i) {
        CYearRecord* later = m_aYears[i];
        later->SetFirstIndex(later->GetFirstIndex() - count);
        later->SetLastIndex(later->GetLastIndex() - count);
    }
    m_aYears.RemoveRecords(k, 1);
    bookext::DropFiscalYearMarks(m_extension, y);
}

// ---------------------------------------------------------------------------------------------
// File format

void CVespinDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_strPassword << m_strEmployeeNo << m_strEmployeeName;
        ar << static_cast<int32_t>(m_aYears.GetSize());
        for (const auto& yr : m_aYears) yr->Serialize(ar);
        ar << static_cast<int32_t>(m_aDays.GetSize());
        for (const auto& day : m_aDays) day->Serialize(ar);
        ar.WriteBytes(bookext::Encode(m_extension));
        SetModifiedFlag(false);
        return;
    }
    Load(ar);
}

CDocument::LoadResult CVespinDoc::Load(CArchive& ar) {
    const std::string kept = m_strPassword;
    ar >> m_strPassword;
    if (!m_strPassword.empty()) {
        const bool ok = m_pVespinUi && m_pVespinUi->AskPassword(*this, m_strLoadingPath);
        if (!ok) {
            m_strPassword = kept;
            return LoadResult::declined;
        }
    }
    LoadBody(ar);
    return LoadResult::loaded;
}

// Reads everything after the password into fresh arrays and takes them only when the whole
// file has been read and found consistent: a damaged file never leaves half a book.
void CVespinDoc::LoadBody(CArchive& ar) {
    std::string number, name;
    ar >> number >> name;

    CRecordArray<CYearRecord> years = ReadRecords<CYearRecord>(ar, kYearBytes);
    CRecordArray<CDayRecord> days = ReadRecords<CDayRecord>(ar, kMinDayBytes);
    // Nothing follows the last day but a well-formed extension: a file with more is something
    // else that happens to begin like a book, and a save would destroy it.
    std::optional<bookext::Extension> ext = bookext::Decode(ar.ReadRest());
    if (!ext || !IsConsistent(years, days)) throw ArchiveException{ArchiveException::badFormat};

    m_aYears.RemoveAllRecords();
    m_aDays.RemoveAllRecords();
    m_strEmployeeNo = std::move(number);
    m_strEmployeeName = std::move(name);
    m_aYears.Swap(years);
    m_aDays.Swap(days);
    m_extension = std::move(*ext);
    NotifyChange(kEmployeeChanged);
    NotifyChange(kYearsChanged);
}

// Whether the records are exactly what the program writes: registrable fiscal years, each
// once, with the right leap flag, tiling the day list in order; every day the next date of its
// year, with that date's weekday, a known day type and a category of the ten slots. Anything
// else would send the views and the export to wrong days or outside the list.
bool CVespinDoc::IsConsistent(const CRecordArray<CYearRecord>& years,
                              const CRecordArray<CDayRecord>& days) const {
    std::array<bool, kLastYear - kFirstYear + 1> seen{};
    int64_t next = 0;
    for (const auto& yr : years) {
        const int y = yr->GetYear();
        if (y < kFirstYear || y > kLastYear || seen[static_cast<size_t>(y - kFirstYear)] ||
            yr->GetLeap() != IsLeapYear(y + 1) || yr->GetFirstIndex() != next ||
            static_cast<int64_t>(yr->GetLastIndex()) != next + 364 + yr->GetLeap())
            return false;
        seen[static_cast<size_t>(y - kFirstYear)] = true;
        next += 365 + yr->GetLeap();
    }
    if (next != days.GetSize()) return false;
    int index = 0;
    for (const auto& yr : years) {
        for (size_t i = 0; i < 12; ++i) {
            const int m = m_anMonthOrder[i];
            const int k = i < 9 ? yr->GetYear() : yr->GetYear() + 1;
            const int count = (i == 10 && yr->GetLeap()) ? 29 : m_anMonthDays[i];
            for (int d = 1; d <= count; ++d) {
                const CDayRecord* r = days[index++];
                if (r->GetYear() != k || r->GetMonth() != m || r->GetDay() != d ||
                    r->Weekday() !=
                        m_astrWeekdays[static_cast<size_t>(holidays::DayOfWeek(k, m, d))] ||
                    r->GetDayType() < kWeekday || r->GetDayType() > kHoliday ||
                    r->GetCategory() < -1 || r->GetCategory() > 9)
                    return false;
            }
        }
    }
    return true;
}

void CVespinDoc::OnViewRemoved(CView* view) {
    if (view == m_pListView) m_pListView = nullptr;
}

bool CVespinDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    if (Views().size() > 1) m_pListView = Views()[1];
    SetSelection(Selection::Top());

    m_aYears.RemoveAllRecords();
    m_aDays.RemoveAllRecords();
    m_strEmployeeNo.clear();
    m_strEmployeeName.clear();
    m_strPassword.clear();
    m_extension = {};
    m_strTitleName = texts::kUntitled;
    NotifyChange(kEmployeeChanged);
    NotifyChange(kYearsChanged);

    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kNewBook;
    UpdateAllViews(nullptr, 0, &hint);

    if (m_bStarted == 1)
        SetWindowTitle(texts::kUntitledVpx);
    else
        m_bStarted = 1;
    m_strDocPath.clear();
    return true;
}

CDocument::OpenResult CVespinDoc::OpenDocument(const std::string& path) {
    m_strLoadingPath = path;
    const OpenResult result = CDocument::OpenDocument(path);
    m_strLoadingPath.clear();
    if (result == OpenResult::unreadable || result == OpenResult::damaged) return result;
    m_strDocPath.clear();
    // Refused at the password prompt: the open book stays as it was.
    if (result == OpenResult::declined) return result;
    SetSelection(Selection::Top());
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kOpenedBook;
    UpdateAllViews(nullptr, 0, &hint);

    SetPathName(path);
    m_strDocPath = path;
    m_strTitleName = UiText::Path(path);
    SetWindowTitle(m_strTitleName);
    if (m_pListView) m_pListView->SetFocusToView();
    return OpenResult::opened;
}

bool CVespinDoc::OnSaveDocument(const std::string& path) {
    m_strTitleName = UiText::Path(path);
    SetWindowTitle(m_strTitleName);
    m_strDocPath = path;
    if (!CDocument::OnSaveDocument(path)) return false;
    SetPathName(path);
    return true;
}

void CVespinDoc::SetExtension(bookext::Extension ext) {
    m_extension = std::move(ext);
    NotifyChange(kDaysChanged);
    SetModifiedFlag(true);
}

bool CVespinDoc::MarkDay(const bookext::DayMark& mark) {
    const auto [first, last] = MonthRange(mark.month >= 4 ? mark.year : mark.year - 1, mark.month);
    const int index = first + mark.day - 1;
    if (first < 0 || mark.day < 1 || index > last) return false;
    bookext::Extension ext = m_extension;
    bookext::SetDayMark(ext, mark);
    if (ext == m_extension) return true;
    SetExtension(std::move(ext));
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kDayChanged;
    hint.m_nYear = mark.year;
    hint.m_nMonth = mark.month;
    hint.m_nFirst = hint.m_nLast = index;
    UpdateAllViews(nullptr, 0, &hint);
    return true;
}

void CVespinDoc::OnCloseDocument() {
    m_aYears.RemoveAllRecords();
    m_aDays.RemoveAllRecords();
    m_extension = {};
    CDocument::OnCloseDocument();
}

// ---------------------------------------------------------------------------------------------
// Commands

void CVespinDoc::SetWindowTitle(const UiText& name) {
    if (m_pUi) m_pUi->SetCaption(name + Sjis("-") + texts::kAppTitle);
}

void CVespinDoc::SetSelection(const Selection& selection) {
    m_selection = selection;
    NotifyChange(kSelectionChanged);
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kShowRange;
    hint.m_nYear = selection.year;
    if (selection.kind == Selection::Kind::month) {
        hint.m_nMonth = selection.month;
        std::tie(hint.m_nFirst, hint.m_nLast) = MonthRange(selection.year, selection.month);
    }
    UpdateAllViews(nullptr, 0, &hint);
}

int CVespinDoc::ShownFirst() const {
    if (m_selection.kind != Selection::Kind::month) return -1;
    return MonthRange(m_selection.year, m_selection.month).first;
}

CView* CVespinDoc::FindView(int kind) const {
    for (CView* v : Views())
        if (v->ViewKind() == kind) return v;
    return nullptr;
}

void CVespinDoc::OnYearAdd() {
    if (!m_pVespinUi) return;
    const std::optional<int> year = m_pVespinUi->AskYear(*this);
    if (year) RegisterYear(*year);
}

void CVespinDoc::RegisterYear(int y) {
    const int appended = AppendFiscalYear(y);
    if (appended != m_aYears[m_aYears.GetSize() - 1]->DayCount()) Message(texts::kYearCountWrong);
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kYearAdded;
    hint.m_nYear = y;
    UpdateAllViews(nullptr, 0, &hint);
    SetSelection(Selection::Year(y));
    NotifyChange(kYearsChanged);
    SetModifiedFlag(true);
}

void CVespinDoc::OnYearDelete() {
    if (Message(texts::kConfirmYearDelete, MsgKind::okCancel) != MsgAnswer::ok) return;
    if (m_selection.kind == Selection::Kind::year) DeleteYear(m_selection.year);
    SetModifiedFlag(true);
}

void CVespinDoc::DeleteYear(int y) {
    const int k = FindYear(y);
    if (k >= 0 && m_selection.year == y) {
        const int n = m_aYears.GetSize();
        SetSelection(k + 1 < n ? Selection::Year(m_aYears[k + 1]->GetYear())
                     : k > 0   ? Selection::Year(m_aYears[k - 1]->GetYear())
                               : Selection::Top());
    }
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kYearRemoved;
    hint.m_nYear = y;
    UpdateAllViews(nullptr, 0, &hint);
    RemoveFiscalYear(y);
    NotifyChange(kYearsChanged);
    SetModifiedFlag(true);
}

void CVespinDoc::SetEmployee(const std::string& number, const std::string& name) {
    m_strEmployeeNo = number;
    m_strEmployeeName = name;
    NotifyChange(kEmployeeChanged);
    SetWindowTitle(m_strTitleName);
    SetModifiedFlag(true);
}

void CVespinDoc::OnEmployeeInfo() {
    if (!m_pVespinUi) return;
    std::string number = m_strEmployeeNo, name = m_strEmployeeName;
    if (m_pVespinUi->AskEmployee(*this, number, name)) SetEmployee(number, name);
}

void CVespinDoc::OnPasswordSet() {
    if (!m_pVespinUi) return;
    if (std::optional<std::string> pw = m_pVespinUi->AskNewPassword(*this)) SetPassword(*pw);
}

void CVespinDoc::SetPassword(const std::string& password) {
    m_strPassword = password;
    SetModifiedFlag(true);
}

void CVespinDoc::ShowAsCopy(const UiText& title) {
    m_strDocPath.clear();
    m_strTitleName = title;
    SetWindowTitle(m_strTitleName);
}

void CVespinDoc::StoreDayEntry(int index, const DayEntry& entry) {
    CDayRecord* r = m_aDays[index];
    r->SetCategory(entry.category);
    r->SetStart(entry.start);
    r->SetEnd(entry.end);
    r->SetPlace(entry.place);
    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kDayChanged;
    hint.m_nYear = r->GetYear();
    hint.m_nMonth = r->GetMonth();
    hint.m_nFirst = hint.m_nLast = index;
    UpdateAllViews(nullptr, 0, &hint);
    NotifyChange(kDaysChanged);
    SetModifiedFlag(true);
}
