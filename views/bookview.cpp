#include "views/bookview.h"

#include "model/updatehint.h"
#include "model/vespindoc.h"

CBookView::~CBookView() {
    if (CVespinDoc* doc = GetDocument()) doc->RemoveView(this);
}

CVespinDoc* CBookView::GetDocument() const {
    return static_cast<CVespinDoc*>(CView::GetDocument());
}

void CBookView::OnUpdate(CView*, long, CObject* hintObject) {
    const auto* hint = dynamic_cast<const CUpdateHint*>(hintObject);
    if (!hint) return;
    switch (hint->m_nKind) {
        case CUpdateHint::kNewBook:
        case CUpdateHint::kOpenedBook:
            Empty();
            break;
        case CUpdateHint::kBuildTree:
            OnBuildTree();
            break;
        case CUpdateHint::kShowRange:
            OnShowRange(*hint);
            break;
        case CUpdateHint::kDayChanged:
            OnDaysChanged(*hint);
            break;
        case CUpdateHint::kYearAdded:
            OnYearAdded(hint->m_nYear);
            break;
        case CUpdateHint::kYearRemoved:
            OnYearRemoved(hint->m_nYear);
            break;
        default:
            break;
    }
}

void CBookView::SetFocusToView() { setFocus(Qt::OtherFocusReason); }
