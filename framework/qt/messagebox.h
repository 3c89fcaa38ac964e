#pragma once

#include <QString>
#include <functional>
#include <string>

#include "framework/userinterface.h"

class QWidget;

// Every message box of the program: caption "ヴェスピン", the icon and buttons of its kind,
// Japanese button texts. Tests install a hook that records the box and answers it.
MsgAnswer VespinMessageBox(const UiText& text, MsgKind kind = MsgKind::ok,
                           QWidget* parent = nullptr);
MsgAnswer VespinMessageBox(const QString& text, MsgKind kind = MsgKind::ok,
                           QWidget* parent = nullptr);

using MessageBoxHook = std::function<MsgAnswer(const QString& text, MsgKind kind)>;
// Replaces the real box while set; pass nullptr to restore it.
void SetMessageBoxHook(MessageBoxHook hook);

// Runs a menu command's handler. An exception escaping it (memory exhausted while building a
// report, a fault of the program) ends the command, not the program: "ｺﾏﾝﾄﾞの実行に失敗しました。"
// is shown and the program goes on with the book.
void RunCommand(const std::function<void()>& handler, QWidget* parent);
