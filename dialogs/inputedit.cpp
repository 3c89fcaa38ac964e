#include "dialogs/inputedit.h"

#include <QInputMethodEvent>
#include <QTimer>

#include "framework/qt/inputmethodswitch.h"

CInputEdit::CInputEdit(Kind kind, QWidget* parent) : QLineEdit(parent), m_kind(kind) {
    if (kind == Kind::ascii) {
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setInputMethodHints(Qt::ImhPreferLatin | Qt::ImhNoPredictiveText);
    }
}

QVariant CInputEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (m_kind == Kind::ascii && query == Qt::ImEnabled) return false;
    return QLineEdit::inputMethodQuery(query);
}

void CInputEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (m_kind == Kind::ascii) {
        event->ignore();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void CInputEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (m_kind == Kind::text) return;
    // Asked once the focus has settled, after Qt has told the input method which field has it:
    // the input method switches only the context that has the focus.
    const bool open = m_kind == Kind::japanese;
    QTimer::singleShot(0, this, [open] { TheInputMethodSwitch().SetOpen(open); });
}
