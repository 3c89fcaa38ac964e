#include "views/vespintreeview.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
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

CVespinTreeView::CVespinTreeView(QWidget* parent) : CBookView(parent) {
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
    // Items go with the widget; nothing may react to their removal any more.
    disconnect(this, &QTreeWidget::currentItemChanged, this, nullptr);
    m_bQuiet = true;
}

// ---------------------------------------------------------------------------------------------
// Items

QTreeWidgetItem* CVespinTreeView::AddItem(QTreeWidgetItem* parent, const QString& text, int image,
                                          int itemData) {
    auto* item = new QTreeWidgetItem(QStringList(text));
    item->setData(0, kDataRole, itemData);
    item->setData(0, kImageRole, image);
    item->setData(0, kSelectedImageRole, image + 1);
    item->setIcon(0, CachedIcon(image, image + 1));
    if (parent)
        parent->addChild(item);
    else
        addTopLevelItem(item);
    return item;
}

QTreeWidgetItem* CVespinTreeView::AddYearItems(int y) {
    const CVespinDoc* doc = GetDocument();
    QTreeWidgetItem* node =
        AddItem(topLevelItem(0), ToQ(Sjis(std::to_string(y) + texts::kYearSuffix)), 0, y);
    for (const int m : doc->MonthOrder())
        AddItem(node, ToQ(Sjis(texts::Format1(texts::kMonthItemFormat, std::to_string(m)))), 2, m);
    return node;
}

QTreeWidgetItem* CVespinTreeView::YearItem(int y) const {
    const QTreeWidgetItem* root = topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i)
        if (ItemData(root->child(i)) == y) return root->child(i);
    return nullptr;
}

QTreeWidgetItem* CVespinTreeView::ItemFor(const Selection& selection) const {
    switch (selection.kind) {
        case Selection::Kind::top:
            return topLevelItem(0);
        case Selection::Kind::year:
            return YearItem(selection.year);
        case Selection::Kind::month:
            if (QTreeWidgetItem* year = YearItem(selection.year))
                for (int i = 0; i < year->childCount(); ++i)
                    if (ItemData(year->child(i)) == selection.month) return year->child(i);
            return nullptr;
        case Selection::Kind::none:
            break;
    }
    return nullptr;
}

QTreeWidgetItem* CVespinTreeView::GetCurItem() const {
    const CVespinDoc* doc = GetDocument();
    return doc ? ItemFor(doc->GetSelection()) : nullptr;
}

void CVespinTreeView::SelectItem(QTreeWidgetItem* item) {
    if (!item) return;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
}

void CVespinTreeView::OnShowRange(const CUpdateHint&) {
    // An item not (yet) in the tree leaves the current one as it is.
    QTreeWidgetItem* item = GetCurItem();
    if (!item || item == currentItem()) return;
    const QScopedValueRollback<bool> quiet(m_bQuiet, true);
    SelectItem(item);
}

void CVespinTreeView::Empty() {
    const QScopedValueRollback<bool> quiet(m_bQuiet, true);
    clear();
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
    Empty();
    AddItem(nullptr, ToQ(texts::kTreeRoot), 0, -1);

    CUpdateHint hint;
    hint.m_nKind = CUpdateHint::kBuildTree;
    doc->UpdateAllViews(nullptr, 0, &hint);
}

void CVespinTreeView::OnYearAdded(int fiscalYear) {
    // A year just registered is shown open.
    AddYearItems(fiscalYear)->setExpanded(true);
}

void CVespinTreeView::OnYearRemoved(int fiscalYear) {
    // The selection has left the year already.
    const QScopedValueRollback<bool> quiet(m_bQuiet, true);
    delete YearItem(fiscalYear);
}

void CVespinTreeView::OnBuildTree() {
    CVespinDoc* doc = GetDocument();
    if (!doc) return;
    const LocalTime now = clock_::Now();
    const int fiscal = FiscalYearOf(now.year, now.month);
    for (const auto& yr : doc->Years()) AddYearItems(yr->GetYear());
    // The month of today, when its fiscal year is registered, is where the user starts.
    if (QTreeWidgetItem* year = YearItem(fiscal)) {
        year->setExpanded(true);
        doc->SetSelection(Selection::Month(fiscal, now.month));
    }
}

// ---------------------------------------------------------------------------------------------
// Selection and the pop-up menu

void CVespinTreeView::OnSelChanged(QTreeWidgetItem* item) {
    CVespinDoc* doc = GetDocument();
    if (m_bQuiet || !item || !doc) return;
    const int itemData = ItemData(item);
    if (itemData == -1)
        doc->SetSelection(Selection::Top());
    else if (itemData >= CVespinDoc::kFirstYear)
        doc->SetSelection(Selection::Year(itemData));
    else
        doc->SetSelection(
            Selection::Month(item->parent() ? ItemData(item->parent()) : -1, itemData));
}

bool CVespinTreeView::OnRClick(const QPoint& pos) {
    QTreeWidgetItem* item = itemAt(pos);
    if (!item) return false;
    const int itemData = ItemData(item);
    if (itemData < CVespinDoc::kFirstYear) return false;  // the top item or a month
    SelectItem(item);

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
