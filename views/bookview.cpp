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
    if (hint->m_nKind == CUpdateHint::kNewBook || hint->m_nKind == CUpdateHint::kOpenedBook)
        Empty();
    else
        OnHint(*hint);
}

void CBookView::SetFocusToView() { setFocus(Qt::OtherFocusReason); }
