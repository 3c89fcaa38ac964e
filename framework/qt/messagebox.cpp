#include "framework/qt/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "framework/frameworktexts.h"
#include "framework/qt/commontexts.h"
#include "framework/qt/qtstrings.h"

namespace {
MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

struct BoxButton {
    QString text;
    QMessageBox::ButtonRole role;
    MsgAnswer answer;
};

// The buttons of each kind, left to right: the first is the default, the last answers Esc
// and the close box.
std::vector<BoxButton> ButtonsOf(MsgKind kind) {
    const BoxButton ok{commontexts::Ok(), QMessageBox::AcceptRole, MsgAnswer::ok};
    const BoxButton cancel{commontexts::Cancel(), QMessageBox::RejectRole, MsgAnswer::cancel};
    switch (kind) {
        case MsgKind::ok:
        case MsgKind::stop:
            break;
        case MsgKind::okCancel:
            return {ok, cancel};
        case MsgKind::yesNoCancel:
            return {{QStringLiteral("はい(&Y)"), QMessageBox::YesRole, MsgAnswer::yes},
                    {QStringLiteral("いいえ(&N)"), QMessageBox::NoRole, MsgAnswer::no},
                    cancel};
    }
    return {ok};
}
// What a box shows of a text: a message built from a damaged file may hold thousands of lines
// or one line without a break; the box must still fit the screen with its buttons on it.
QString Fitted(QString text) {
    constexpr int kMaxLines = 30, kMaxLineChars = 160;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    const bool cut = lines.size() > kMaxLines;
    if (cut) lines.resize(kMaxLines);
    for (QString& line : lines)
        if (line.size() > kMaxLineChars) line = line.left(kMaxLineChars) + QChar(0x2026);
    if (cut) lines.back() = QString(QChar(0x2026));
    return lines.join(u'\n');
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

MsgAnswer VespinMessageBox(const UiText& text, MsgKind kind, QWidget* parent) {
    return VespinMessageBox(ToQ(text), kind, parent);
}

MsgAnswer VespinMessageBox(const QString& text, MsgKind kind, QWidget* parent) {
    if (Hook()) return Hook()(text, kind);

    QMessageBox box(parent ? parent : QApplication::activeWindow());
    box.setWindowTitle(ToQ(texts::kAppTitle));
    // Some texts carry Windows line ends; a label shows a bare line break best.
    box.setText(Fitted(text));
    box.setIcon(kind == MsgKind::stop ? QMessageBox::Critical : QMessageBox::Warning);
    std::vector<std::pair<QPushButton*, MsgAnswer>> answers;
    for (const BoxButton& b : ButtonsOf(kind))
        answers.emplace_back(box.addButton(b.text, b.role), b.answer);
    box.setDefaultButton(answers.front().first);
    box.setEscapeButton(answers.back().first);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) clicked = box.escapeButton();  // closed by Esc or the close box
    for (const auto& [button, answer] : answers)
        if (button == clicked) return answer;
    return answers.back().second;
}

void RunCommand(const std::function<void()>& handler, QWidget* parent) {
    try {
        handler();
    } catch (...) {
        // Nothing is allocated on the way to the box but the box itself; when even that fails
        // the command still ends here.
        try {
            VespinMessageBox(ToQ(texts::kCommandFailed), MsgKind::stop, parent);
        } catch (...) {
        }
    }
}
