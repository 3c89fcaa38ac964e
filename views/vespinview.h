#pragma once

#include <QTreeWidget>

#include "framework/view.h"

class CVespinDoc;

// The right pane: the days of the month selected in the tree.
class CVespinView : public QTreeWidget, public CView {
    Q_OBJECT
public:
    explicit CVespinView(QWidget* parent = nullptr);
    ~CVespinView() override;

    CVespinDoc* GetDocument() const;

    void OnUpdate(CView* sender, long hint, CObject* hintObject) override;
    void SetFocusToView() override;
    int ViewKind() const override { return 2; }
};
