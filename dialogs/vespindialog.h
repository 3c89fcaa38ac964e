#pragma once

#include <QDialog>
#include <initializer_list>
#include <utility>

#include "dialogs/dialogunits.h"

class QPushButton;

// Base of the program's modal dialogs. OnInitDialog runs once, when the dialog is first shown,
// so that it sees the members the caller set after construction; fields given to
// MoveOnWithEnter treat Enter like Tab, as the data-entry dialogs do.
class CVespinDialog : public QDialog {
    Q_OBJECT
public:
    explicit CVespinDialog(QWidget* parent = nullptr) : QDialog(parent) {}

protected:
    virtual void OnInitDialog() {}
    // Names the dialog, gives it its caption and the dialogs' font and makes it width x height
    // dialog units of that font; the units returned place its controls.
    DialogUnits SetUpTemplate(const QString& objectName, const QString& caption, int width,
                              int height);
    // The dialog's "OK" (the default button, "okButton") and "ｷｬﾝｾﾙ" ("cancelButton"), wired
    // to accept and reject; the caller places them.
    std::pair<QPushButton*, QPushButton*> AddOkCancel();
    void MoveOnWithEnter(std::initializer_list<QWidget*> fields);

    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_bInitialized = false;
};
