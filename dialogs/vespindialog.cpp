#include "dialogs/vespindialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "dialogs/inputedit.h"
#include "framework/qt/commontexts.h"
#include "framework/qt/inputmethodswitch.h"

void CVespinDialog::SetUpWindow(const QString& objectName, const QString& caption) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(DialogFont(11));
}

QLabel* CVespinDialog::NewHeading(const QString& text) {
    auto* heading = new QLabel(text, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

DialogUnits CVespinDialog::SetUpTemplate(const QString& objectName, const QString& caption,
                                         int width, int height) {
    SetUpWindow(objectName, caption);
    const DialogUnits du(font());
    setFixedSize(du.Size(width, height));
    return du;
}

namespace {

QPushButton* OkButton(QDialog* dialog) {
    auto* ok = new QPushButton(commontexts::Ok(), dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

}  // namespace

void CVespinDialog::AddOkCancel() {
    m_btnOk = OkButton(this);
    m_btnCancel = new QPushButton(commontexts::Cancel(), this);
    m_btnCancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QHBoxLayout* CVespinDialog::ButtonRow(bool withCancel, std::initializer_list<QPushButton*> before) {
    if (withCancel)
        AddOkCancel();
    else
        m_btnOk = OkButton(this);
    const DialogUnits du(font());
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto add = [&](QPushButton* b) {
        b->setFixedSize(du.Size(50, 14));
        row->addWidget(b);
    };
    for (QPushButton* b : before) add(b);
    add(m_btnOk);
    if (withCancel) add(m_btnCancel);
    return row;
}

QPushButton* CVespinDialog::NewPrintButton() {
    auto* print = new QPushButton(QStringLiteral("印刷(&P)..."), this);
    print->setObjectName(QStringLiteral("printButton"));
    print->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, [this] {
        if (m_print) m_print(this);
    });
    m_btnPrint = print;
    return print;
}

void CVespinDialog::SetPrint(std::function<void(QWidget*)> print) {
    m_print = std::move(print);
    m_btnPrint->setVisible(static_cast<bool>(m_print));
}

void CVespinDialog::AddOkCancel(const DialogUnits& du, QPoint ok, QPoint cancel) {
    AddOkCancel();
    du.Place(m_btnOk, QRect(ok, QSize(50, 14)));
    du.Place(m_btnCancel, QRect(cancel, QSize(50, 14)));
}

QPushButton* CVespinDialog::AddButton(const DialogUnits& du, const QString& text,
                                      const QString& objectName, const QRect& at) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    du.Place(button, at);
    return button;
}

QLabel* CVespinDialog::AddLabel(const DialogUnits& du, const QString& text, const QRect& at) {
    auto* label = new QLabel(text, this);
    du.Place(label, at);
    return label;
}

QLineEdit* CVespinDialog::AddEdit(const DialogUnits& du, const QString& objectName, Entry entry,
                                  const QRect& at) {
    CInputEdit::Kind kind = CInputEdit::Kind::text;
    if (entry == Entry::japanese)
        kind = CInputEdit::Kind::japanese;
    else if (entry == Entry::ascii)
        kind = CInputEdit::Kind::ascii;
    auto* edit = new CInputEdit(kind, this);
    edit->setObjectName(objectName);
    if (entry == Entry::password) edit->setEchoMode(QLineEdit::Password);
    m_bJapaneseEntry = m_bJapaneseEntry || entry == Entry::japanese;
    du.Place(edit, at);
    return edit;
}

bool CVespinDialog::ResizeWithinScreen(int width, int height) {
    const QScreen* on = screen();
    const int room =
        on ? on->availableGeometry().height() - DialogUnits(font()).Size(0, 24).height() : height;
    resize(width, std::min(height, room));
    return height > room;
}

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

void CVespinDialog::done(int result) {
    if (m_bJapaneseEntry) TheInputMethodSwitch().SetOpen(false);
    QDialog::done(result);
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
