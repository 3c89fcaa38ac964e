#include "framework/qt/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "framework/qt/qtstrings.h"

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

MsgAnswer VespinMessageBox(const UiText& text, MsgKind kind, QWidget* parent) {
    return VespinMessageBox(ToQ(text), kind, parent);
}

MsgAnswer VespinMessageBox(const QString& text, MsgKind kind, QWidget* parent) {
    if (Hook()) return Hook()(text, kind);

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("ヴェスピン"));
    // Some texts carry Windows line ends; a label shows a bare line break best.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    box.setIcon(kind == MsgKind::stop ? QMessageBox::Critical : QMessageBox::Warning);
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    switch (kind) {
        case MsgKind::ok:
        case MsgKind::stop:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            box.setDefaultButton(ok);
            box.setEscapeButton(ok);
            break;
        case MsgKind::okCancel:
            ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
            cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
            box.setDefaultButton(ok);
            box.setEscapeButton(cancel);
            break;
        case MsgKind::yesNoCancel:
            yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
            no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
            cancel = box.addButton(QStringLiteral("ｷｬﾝｾﾙ"), QMessageBox::RejectRole);
            box.setDefaultButton(yes);
            box.setEscapeButton(cancel);
            break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) clicked = box.escapeButton();  // closed by Esc or the close box
    if (clicked == yes && yes) return MsgAnswer::yes;
    if (clicked == no && no) return MsgAnswer::no;
    if (clicked == cancel && cancel) return MsgAnswer::cancel;
    return kind == MsgKind::yesNoCancel ? MsgAnswer::cancel : MsgAnswer::ok;
}
