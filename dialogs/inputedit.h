#pragma once

#include <QLineEdit>

// An edit field of the dialogs that knows what is typed into it. A Japanese field asks the
// input method on when it gets the focus. A field for numbers and times takes no input-method
// text at all: it tells the input method it does not accept it (Qt's attribute alone does not
// reach a line edit's answer) and drops a commit that arrives anyway, such as the second copy
// of a text still being converted in the field the user just left.
class CInputEdit : public QLineEdit {
    Q_OBJECT
public:
    // japanese: turned on with the focus; text: left as the user has it; ascii: never used.
    enum class Kind { japanese, text, ascii };

    explicit CInputEdit(Kind kind, QWidget* parent = nullptr);

    Kind InputKind() const { return m_kind; }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    Kind m_kind;
};
