#pragma once

#include <QTreeWidget>

#include "framework/treehost.h"
#include "framework/view.h"

class CVespinDoc;
class CUpdateHint;

// The left pane: "勤怠管理", under it the registered fiscal years in registration order, under
// each its twelve months April first. Selecting an item tells the document which year and
// month are current and broadcasts the range to show. Item data: -1 the top item, 1998 or
// more a fiscal year, 1..12 a month.
class CVespinTreeView : public QTreeWidget, public CView, public ITreeHost {
    Q_OBJECT
public:
    static constexpr int kDataRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kSelectedImageRole = Qt::UserRole + 2;

    explicit CVespinTreeView(QWidget* parent = nullptr);
    ~CVespinTreeView() override;

    CVespinDoc* GetDocument() const;

    // CView
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, long hint, CObject* hintObject) override;
    void SetFocusToView() override;
    int ViewKind() const override { return 1; }

    // ITreeHost
    HTREEITEM InsertItem(HTREEITEM parent, const std::string& text, int image, int selectedImage,
                         int data) override;
    void SelectItem(HTREEITEM item) override;
    void Expand(HTREEITEM item) override;
    void DeleteItem(HTREEITEM item) override;
    bool GetItemData(HTREEITEM item, int& data) const override;
    HTREEITEM GetCurItem() const override { return m_hCurItem; }

    static QTreeWidgetItem* ToItem(HTREEITEM h) { return reinterpret_cast<QTreeWidgetItem*>(h); }
    static HTREEITEM ToHandle(QTreeWidgetItem* i) { return reinterpret_cast<HTREEITEM>(i); }
    static int ItemData(const QTreeWidgetItem* item) { return item->data(0, kDataRole).toInt(); }

    // The right click at pos (viewport coordinates): on a year item selects it and offers
    // "削 除". Returns whether the pop-up was shown.
    bool OnRClick(const QPoint& pos);

    // The item selected last; the document's year deletion reads it.
    HTREEITEM m_hCurItem = nullptr;
    int m_bFirstUpdate = 1;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnSelChanged(QTreeWidgetItem* item);
    // Shift+F10 or the Menu key: the right click on the current item.
    void OnKeyboardMenu();
    void DeleteAllItems();
    void BuildYears();

    bool m_bDeleting = false;
};
