#pragma once

#include <QTreeWidget>

#include "framework/view.h"

class CVespinDoc;
class CUpdateHint;

// A pane that shows the book: a tree widget that is one of the document's views. It leaves the
// document with its window and hears the document's broadcasts as hints.
class CBookView : public QTreeWidget, public CView {
public:
    explicit CBookView(QWidget* parent) : QTreeWidget(parent) {}
    ~CBookView() override;

    CVespinDoc* GetDocument() const;
    void OnUpdate(CView* sender, long hint, CObject* hintObject) final;
    void SetFocusToView() override;

protected:
    // A new or opened book: the pane is empty until its initial update.
    virtual void Empty() { clear(); }
    // Every other broadcast.
    virtual void OnHint(const CUpdateHint& hint) = 0;
};
