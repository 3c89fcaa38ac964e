#pragma once

#include <QIcon>
#include <QTimer>
#include <array>

#include "model/bookextension.h"
#include "views/bookview.h"

class QMenu;

// The right pane: one row per day of the month selected in the tree, with the times, a mark
// under the day's attendance category and the work locations. Double-click or Enter opens the
// attendance entry of the selected day.
class CVespinView : public CBookView {
    Q_OBJECT
public:
    // Fixed columns; the category columns follow kColFirstCategory, "出勤場所" comes last.
    enum Column { kColDay = 0, kColWeekday = 1, kColStart = 2, kColEnd = 3, kColFirstCategory = 4 };
    // How long the pointer rests on a row before the row becomes selected (track selection).
    static constexpr int kHoverMs = 400;

    explicit CVespinView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    int ViewKind() const override { return 2; }

    // Shows the attendance entry of day index k of the document and stores the result.
    void OpenDayEntry(int k);

    // Category columns made at the first initial update, and the "出勤場所" column.
    int CategoryColumnCount() const;
    int PlaceColumn() const;
    // The row under the mouse pointer, -1 for none.
    int HotItem() const { return m_nHotItem; }
    // The first selected row from the top, -1 for none.
    int FirstSelectedRow() const;
    // The day index of the selected row, -1 for none.
    int SelectedDay() const;
    // The selected day's marks (both automatic when it has none or no day is selected).
    bookext::DayMark SelectedDayMarks() const;
    // Marks the selected day as the 法定休日 or not (legalHoliday), or as a 所定労働日 or not.
    void MarkSelectedDay(bool legalHoliday, bookext::Mark mark);
    // The menus of the day's marks, offered by the right-click menu of a day (the main
    // window's, so that both run the same commands).
    void SetDayMarkMenus(QMenu* legalHoliday, QMenu* workday);

    // The images of the rows (icons 140, 145, 146).
    std::array<QIcon, 3> m_images;
    int m_bInitialized = 0;

protected:
    void OnBuildTree() override;
    void OnShowRange(const CUpdateHint& hint) override;
    void OnDaysChanged(const CUpdateHint& hint) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnDblClk();
    void ShowRange(const CUpdateHint& hint);
    // Selects today's row after an open and makes its entry due (see OnInitialUpdate).
    void SelectToday();
    void InitialiseColumns();
    void OnHoverTimeout();
    void FitPlaceColumn();

    int m_nHotItem = -1;
    // Day index of today's entry, waiting for the end of the initial update; -1 for none.
    int m_nTodayDue = -1;
    QTimer m_hoverTimer;
    QMenu* m_pMarkMenus[2] = {nullptr, nullptr};
};
