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
    // The document's broadcasts, one call each; by default a pane ignores them.
    // A new or opened book: the pane is empty until its initial update.
    virtual void Empty() { clear(); }
    // The tree's top item exists: the panes show the book.
    virtual void OnBuildTree() {}
    // The selection changed (the month's days in the hint), or days were edited or retyped.
    virtual void OnShowRange(const CUpdateHint& hint) { (void)hint; }
    virtual void OnDaysChanged(const CUpdateHint& hint) { (void)hint; }
    virtual void OnYearAdded(int fiscalYear) { (void)fiscalYear; }
    // Before the year's records go.
    virtual void OnYearRemoved(int fiscalYear) { (void)fiscalYear; }
};
