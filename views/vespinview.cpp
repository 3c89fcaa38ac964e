#include "views/vespinview.h"

#include "model/vespindoc.h"

CVespinView::CVespinView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("dayList"));
    setRootIsDecorated(false);
    setHeaderHidden(true);
}

CVespinView::~CVespinView() {
    if (CVespinDoc* doc = GetDocument()) {
        if (doc->m_pListView == this) doc->m_pListView = nullptr;
        doc->RemoveView(this);
    }
}

CVespinDoc* CVespinView::GetDocument() const {
    return static_cast<CVespinDoc*>(CView::GetDocument());
}

void CVespinView::OnUpdate(CView*, long, CObject*) {}

void CVespinView::SetFocusToView() { setFocus(Qt::OtherFocusReason); }
