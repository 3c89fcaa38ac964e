#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialogs/sjisfield.h"
#include "dialogs/vespindialog.h"
#include "framework/uitext.h"

class QLineEdit;

// Base of the dialogs that edit texts of the book in one-line fields: each field shows its
// Shift-JIS text when the dialog opens and the first one has the focus. OK reads them back
// once the book can hold every character typed, then accepts unless Check finds a problem,
// which is shown with the focus on its field.
class CTextFieldsDlg : public CVespinDialog {
    Q_OBJECT
public:
    using CVespinDialog::CVespinDialog;

    void accept() override;

protected:
    struct Problem {
        UiText message;
        QLineEdit* field;
    };

    // Ties edit to text (Shift-JIS), in the order of the fields; text outlives the dialog's use.
    void BindField(QLineEdit* edit, std::string& text);
    // Writes the texts into their fields and gives the first one the focus.
    void OnInitDialog() override;
    // What is wrong with the texts just read; nullopt accepts them.
    virtual std::optional<Problem> Check() const { return std::nullopt; }

private:
    struct Field {
        QLineEdit* edit;
        std::string* text;
        SjisField shown;
    };
    std::vector<Field> m_fields;
};
