#pragma once

#include <QDialog>
#include <functional>
#include <initializer_list>

#include "dialogs/dialogunits.h"

class CVespinDoc;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// Base of the program's modal dialogs. OnInitDialog runs once, when the dialog is first shown,
// so that it sees the members the caller set after construction; fields given to
// MoveOnWithEnter treat Enter like Tab, as the data-entry dialogs do.
class CVespinDialog : public QDialog {
    Q_OBJECT
public:
    explicit CVespinDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    // The book the dialog shows or checks (read only), set by the caller before it is shown; not
    // owned. Null where the dialog needs none.
    const CVespinDoc* m_pDoc = nullptr;
    // The dialog's "OK" (the default button, "okButton") and "ｷｬﾝｾﾙ" ("cancelButton"), made by
    // AddOkCancel; null where the dialog has none.
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    // 印刷, made by NewPrintButton; null where the dialog has none.
    QPushButton* m_btnPrint = nullptr;

    // Shows 印刷, which runs print with the dialog as the parent of its windows.
    void SetPrint(std::function<void(QWidget*)> print);

protected:
    // What a field takes: Japanese text (the input method turned on with the focus), free text
    // (the input method as the user has it), numbers and times (no input method, turned off with
    // the focus), or a password, masked.
    enum class Entry { japanese, text, ascii, password };

    virtual void OnInitDialog() {}
    // Names the dialog and gives it its caption and the dialogs' font.
    void SetUpWindow(const QString& objectName, const QString& caption);
    // A window's heading: text in bold.
    QLabel* NewHeading(const QString& text);
    // SetUpWindow, and makes the dialog width x height dialog units of its font; the units
    // returned place its controls.
    DialogUnits SetUpTemplate(const QString& objectName, const QString& caption, int width,
                              int height);

    // The controls of a template, each placed at its rectangle in dialog units. Qt's tab order
    // is the order of making, so a dialog makes them in its template's order.
    // OK and Cancel, wired to accept and reject, each 50 x 14 at its top left corner.
    void AddOkCancel(const DialogUnits& du, QPoint ok, QPoint cancel);
    // The same, for a dialog that places them itself.
    void AddOkCancel();
    // The foot of a dialog laid out by Qt's layouts: OK (the default, accepting) and, when
    // asked, ｷｬﾝｾﾙ at the right, `before` to their left (made by the caller), all 50 x 14.
    QHBoxLayout* ButtonRow(bool withCancel, std::initializer_list<QPushButton*> before = {});
    // 印刷(&P)... ("printButton", m_btnPrint), never the default: Enter still closes the
    // dialog. It runs what SetPrint gives it.
    QPushButton* NewPrintButton();
    // Resizes to width x height, no taller than the screen holds with a title bar; true when
    // the height had to be cut.
    bool ResizeWithinScreen(int width, int height);
    QPushButton* AddButton(const DialogUnits& du, const QString& text, const QString& objectName,
                           const QRect& at);
    QLabel* AddLabel(const DialogUnits& du, const QString& text, const QRect& at);
    QLineEdit* AddEdit(const DialogUnits& du, const QString& objectName, Entry entry,
                       const QRect& at);

    void MoveOnWithEnter(std::initializer_list<QWidget*> fields);

    void showEvent(QShowEvent* e) override;
    // Closing a dialog with a Japanese field turns the input method off again.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_bInitialized = false;
    bool m_bJapaneseEntry = false;
    std::function<void(QWidget*)> m_print;
};
