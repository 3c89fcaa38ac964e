#pragma once

class CDocument;
class CObject;

// A view of the document: it learns of every change through OnUpdate and never calls
// another view. The GUI's windows derive from this beside their Qt base class.
class CView {
public:
    virtual ~CView() = default;
    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }
    virtual void OnUpdate(CView* sender, long hint, CObject* hintObject) = 0;
    // Gives the keyboard focus to the view's window.
    virtual void SetFocusToView() {}
    // 1 for the year/month tree, 2 for the day list, 0 for any other view.
    virtual int ViewKind() const { return 0; }

    CDocument* GetDocument() const { return m_pDocument; }

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
