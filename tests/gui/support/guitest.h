#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

#include "framework/qt/messagebox.h"

// Records every message box shown while it lives and answers them in order (OK by default).
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    QStringList texts;
    std::vector<MsgKind> kinds;
    // Answers for the next boxes; when none is left: OK, or No for the save prompt.
    std::deque<MsgAnswer> answers;
    void clear() {
        texts.clear();
        kinds.clear();
    }
};

// Runs fn once the next modal dialog is shown (call before the code that opens it). The test
// fails when none is shown within timeoutMs, or when the dialog is still open timeoutMs after
// fn ran.
void WhenModalShown(std::function<void(QWidget* dialog)> fn, int timeoutMs = 5000);

// Rejects and counts every modal dialog shown while it lives: where no dialog may come.
class ModalWatcher {
public:
    ModalWatcher();
    int count = 0;

private:
    QTimer m_timer;
};
