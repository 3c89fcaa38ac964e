#include "dialogs/vespindialog.h"

#include <QKeyEvent>
#include <QPushButton>

DialogUnits CVespinDialog::SetUpTemplate(const QString& objectName, const QString& caption,
                                         int width, int height) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(DialogFont(11));
    const DialogUnits du(font());
    setFixedSize(du.Size(width, height));
    return du;
}

std::pair<QPushButton*, QPushButton*> CVespinDialog::AddOkCancel() {
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return {ok, cancel};
}

void CVespinDialog::MoveOnWithEnter(std::initializer_list<QWidget*> fields) {
    for (QWidget* w : fields) w->installEventFilter(this);
}

void CVespinDialog::showEvent(QShowEvent* e) {
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitDialog();
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
