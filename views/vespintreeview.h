#pragma once

#include "views/bookview.h"

struct Selection;

// The left pane: "勤怠管理", under it the registered fiscal years in registration order, under
// each its twelve months April first. It shows the document's selection as its current item;
// the user's choice of another item goes to the document, which tells every view. Item data:
// -1 the top item, 1998 or more a fiscal year, 1..12 a month.
class CVespinTreeView : public CBookView {
    Q_OBJECT
public:
    static constexpr int kDataRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kSelectedImageRole = Qt::UserRole + 2;

    explicit CVespinTreeView(QWidget* parent = nullptr);
    ~CVespinTreeView() override;

    void OnInitialUpdate() override;
    int ViewKind() const override { return 1; }

    // Makes item current as the caret does: its ancestors open and it scrolls into view.
    void SelectItem(QTreeWidgetItem* item);
    // The item that stands for the document's selection (what a deletion acts on); nullptr
    // for none.
    QTreeWidgetItem* GetCurItem() const;

    static int ItemData(const QTreeWidgetItem* item) { return item->data(0, kDataRole).toInt(); }

    // The right click at pos (viewport coordinates): on a year item selects it and offers
    // "削 除". Returns whether the pop-up was shown.
    bool OnRClick(const QPoint& pos);

protected:
    // Removes every item without telling the document.
    void Empty() override;
    void OnBuildTree() override;
    // The document's selection as the current item, without reporting it back.
    void OnShowRange(const CUpdateHint& hint) override;
    void OnYearAdded(int fiscalYear) override;
    void OnYearRemoved(int fiscalYear) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnSelChanged(QTreeWidgetItem* item);
    // Shift+F10 or the Menu key: the right click on the current item.
    void OnKeyboardMenu();
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& text, int image, int data);
    // A fiscal year's item under the top item with its twelve months, April first.
    QTreeWidgetItem* AddYearItems(int y);
    QTreeWidgetItem* YearItem(int y) const;
    QTreeWidgetItem* ItemFor(const Selection& selection) const;

    // Set while the tree changes its items or current item itself: what Qt reports of it then
    // is no choice of the user's.
    bool m_bQuiet = false;
    int m_bFirstUpdate = 1;
};
