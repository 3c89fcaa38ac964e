#include "gui/support/guitest.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

MessageBoxRecorder::MessageBoxRecorder() {
    SetMessageBoxHook([this](const QString& text, MsgKind kind) {
        texts << text;
        kinds.push_back(kind);
        if (!answers.empty()) {
            const MsgAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return kind == MsgKind::yesNoCancel ? MsgAnswer::no : MsgAnswer::ok;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxHook(nullptr); }

void WhenModalShown(std::function<void(QWidget*)> fn) {
    // Polls until a modal widget is active, then hands it over once.
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, fn = std::move(fn)]() {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            fn(w);
        }
    });
    timer->start();
}
