#include "views/vespintreeview.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <cstdio>
#include <map>

#include "framework/clock.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/updatehint.h"
#include "model/vespindoc.h"
#include "views/treeimages.h"

namespace {

// Icons by (image, selected image), shared by all items.
QIcon CachedIcon(int image, int selectedImage) {
    static std::map<std::pair<int, int>, QIcon> cache;
    const auto key = std::make_pair(image, selectedImage);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, treeimages::ItemIcon(image, selectedImage)).first;
    return it->second;
}

}  // namespace

CVespinTreeView::CVespinTreeView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("treeView"));
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    setUniformRowHeights(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnSelChanged(current); });
}

CVespinTreeView::~CVespinTreeView() {
    if (CVespinDoc* doc = GetDocument()) doc->RemoveView(this);
    // Items go with the widget; nothing may react to their removal any more.
    disconnect(this, &QTreeWidget::currentItemChanged, this, nullptr);
    m_bDeleting = true;
}

CVespinDoc* CVespinTreeView::GetDocument() const {
    return static_cast<CVespinDoc*>(CView::GetDocument());
}

void CVespinTreeView::SetFocusToView() { setFocus(Qt::OtherFocusReason); }

// ---------------------------------------------------------------------------------------------
// Tree control operations for the document

HTREEITEM CVespinTreeView::InsertItem(HTREEITEM parent, const std::string& text, int image,
                                      int selectedImage, int itemData) {
    auto* item = new QTreeWidgetItem(QStringList(ToQ(text)));
    item->setData(0, kDataRole, itemData);
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, selectedImage);
    item->setIcon(0, CachedIcon(image, selectedImage));
    if (parent)
        ToItem(parent)->addChild(item);
    else
        addTopLevelItem(item);
    return ToHandle(item);
}

void CVespinTreeView::SelectItem(HTREEITEM h) {
    QTreeWidgetItem* item = ToItem(h);
    if (!item) return;
    // As the caret: its ancestors open and it scrolls into view; the change of the current
    // item runs the selection handling at once.
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
}

void CVespinTreeView::Expand(HTREEITEM h) {
    if (QTreeWidgetItem* item = ToItem(h)) item->setExpanded(true);
}

void CVespinTreeView::DeleteItem(HTREEITEM h) {
    QTreeWidgetItem* item = ToItem(h);
    if (!item) return;
    // When the current item goes, a neighbour becomes current first (the next sibling, else
    // the previous one, else the parent), so the selection handling sees a living item.
    bool holdsCurrent = false;
    for (QTreeWidgetItem* c = currentItem(); c; c = c->parent())
        if (c == item) holdsCurrent = true;
    if (holdsCurrent) {
        QTreeWidgetItem* parent = item->parent();
        const int index = parent ? parent->indexOfChild(item) : indexOfTopLevelItem(item);
        const int count = parent ? parent->childCount() : topLevelItemCount();
        auto sibling = [&](int i) { return parent ? parent->child(i) : topLevelItem(i); };
        QTreeWidgetItem* next = index + 1 < count ? sibling(index + 1)
                                : index > 0       ? sibling(index - 1)
                                                  : parent;
        if (next) {
            SelectItem(ToHandle(next));
        } else {
            m_bDeleting = true;
            setCurrentItem(nullptr);
            m_bDeleting = false;
            m_hCurItem = nullptr;
        }
    }
    if (m_hCurItem == h) m_hCurItem = nullptr;
    if (CVespinDoc* doc = GetDocument(); doc && doc->GetRootItem() == h) doc->SetRootItem(nullptr);
    delete item;
}

bool CVespinTreeView::GetItemData(HTREEITEM h, int& itemData) const {
    const QTreeWidgetItem* item = ToItem(h);
    if (!item) return false;
    itemData = ItemData(item);
    return true;
}

void CVespinTreeView::DeleteAllItems() {
    m_bDeleting = true;
    clear();
    m_bDeleting = false;
    m_hCurItem = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Updates

void CVespinTreeView::OnInitialUpdate() {
    CView::OnInitialUpdate();
    CVespinDoc* doc = GetDocument();
    if (!doc) return;
    if (m_bFirstUpdate == 1) {
        // The two image pairs the items use, ready before the first item is shown.
        CachedIcon(0, 1);
        CachedIcon(2, 3);
        m_bFirstUpdate = 0;
    }
    DeleteAllItems();
    HTREEITEM root = doc->InsertTreeItem(nullptr, texts::kTreeRoot, 0, -1);
    doc->SetRootItem(root);
    m_hCurItem = root;

    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kBuildTree;
    doc->UpdateAllViews(nullptr, 0, &hint);
}

void CVespinTreeView::OnUpdate(CView*, long, CObject* hintObject) {
    const auto* hint = dynamic_cast<const CUpdateHint*>(hintObject);
    if (!hint) return;
    switch (hint->m_nKind) {
        case CUpdateHint::kOpenedBook:
            if (CVespinDoc* doc = GetDocument()) SelectItem(doc->GetRootItem());
            DeleteAllItems();
            break;
        case CUpdateHint::kNewBook:
            DeleteAllItems();
            break;
        case CUpdateHint::kBuildTree:
            BuildYears();
            break;
        default:
            break;
    }
}

void CVespinTreeView::BuildYears() {
    CVespinDoc* doc = GetDocument();
    if (!doc) return;
    const LocalTime now = clock_::Now();
    const int fiscal = FiscalYearOf(now.year, now.month);
    for (const auto& yr : doc->Years()) {
        const int y = yr->GetYear();
        HTREEITEM yearItem = doc->InsertYearItems(y);
        if (y != fiscal) continue;
        SelectItem(yearItem);
        Expand(yearItem);
        QTreeWidgetItem* item = ToItem(yearItem);
        for (int i = 0; item && i < item->childCount(); ++i) {
            if (ItemData(item->child(i)) == now.month) {
                SelectItem(ToHandle(item->child(i)));
                break;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Selection and the pop-up menu

void CVespinTreeView::OnSelChanged(QTreeWidgetItem* item) {
    if (m_bDeleting) return;
    m_hCurItem = ToHandle(item);
    CVespinDoc* doc = GetDocument();
    if (!item || !doc) return;
    const int itemData = ItemData(item);

    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kShowRange;
    if (itemData >= CVespinDoc::kFirstYear) {
        hint.m_nYear = itemData;
    } else if (itemData != -1) {
        const int year = item->parent() ? ItemData(item->parent()) : -1;
        const auto [first, last] = doc->MonthRange(year, itemData);
        hint.m_nYear = year;
        hint.m_nMonth = itemData;
        hint.m_nFirst = first;
        hint.m_nLast = last;
    }
    doc->SetSelection(hint.m_nYear, hint.m_nMonth, hint.m_nFirst);
    doc->UpdateAllViews(nullptr, 0, &hint);
}

bool CVespinTreeView::OnRClick(const QPoint& pos) {
    QTreeWidgetItem* item = itemAt(pos);
    if (!item) return false;
    const int itemData = ItemData(item);
    // Only a year has the menu: a month item holds 1-12, an item without data -1.
    if (itemData < CVespinDoc::kFirstYear) return false;
    SelectItem(ToHandle(item));

    QMenu popup(this);
    popup.setObjectName(QStringLiteral("yearPopup"));
    QAction* del = popup.addAction(QStringLiteral("削 除"));
    del->setEnabled(true);
    if (popup.exec(viewport()->mapToGlobal(pos)) == del) {
        if (CVespinDoc* doc = GetDocument()) doc->OnYearDelete();
    }
    return true;
}

void CVespinTreeView::mousePressEvent(QMouseEvent* event) {
    // The right button only asks for the pop-up; selecting is the pop-up's business, and only
    // for a year item.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CVespinTreeView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard)
        OnKeyboardMenu();
    else
        OnRClick(event->pos());
}

void CVespinTreeView::OnKeyboardMenu() {
    // As a right click on the current item; with none there is nothing to offer.
    if (QTreeWidgetItem* item = currentItem()) OnRClick(visualItemRect(item).center());
}

void CVespinTreeView::keyPressEvent(QKeyEvent* event) {
    // Not every platform turns these keys into a context-menu request.
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (shiftF10 || (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier)) {
        event->accept();
        OnKeyboardMenu();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
