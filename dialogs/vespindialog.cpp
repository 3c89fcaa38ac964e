#include "dialogs/vespindialog.h"

#include <QKeyEvent>

void CVespinDialog::MoveOnWithEnter(std::initializer_list<QWidget*> fields) {
    for (QWidget* w : fields) w->installEventFilter(this);
}

void CVespinDialog::showEvent(QShowEvent* e) {
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
        // The field that has the keyboard shows its focus frame from the start, not only after
        // the first Tab.
        setAttribute(Qt::WA_KeyboardFocusChange);
    }
    QDialog::showEvent(e);
}

bool CVespinDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextPrevChild(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
