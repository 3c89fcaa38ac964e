#include "gui/support/guitest.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <memory>

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

void WhenModalShown(std::function<void(QWidget*)> fn, int timeoutMs) {
    // Polls until a modal widget is active, hands it over once, then waits for it to close.
    // Either wait ends in a test failure after timeoutMs instead of polling for ever; a dialog
    // left open is rejected so that the test does not hang in its event loop.
    // Owned by the application, so that a wait still running when the tests end is freed.
    auto* timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(10);
    auto since = std::make_shared<QElapsedTimer>();
    auto handled = std::make_shared<QPointer<QWidget>>();
    auto shown = std::make_shared<bool>(false);
    since->start();
    QObject::connect(timer, &QTimer::timeout, [=]() {
        auto finish = [timer] {
            timer->stop();
            timer->deleteLater();
        };
        if (!*shown) {
            if (QWidget* w = QApplication::activeModalWidget()) {
                *shown = true;
                *handled = w;
                since->restart();
                fn(w);
            } else if (since->elapsed() > timeoutMs) {
                finish();
                QTest::qFail("no modal dialog appeared in time", __FILE__, __LINE__);
            }
            return;
        }
        QWidget* w = handled->data();
        if (!w || !w->isVisible()) {
            finish();
        } else if (since->elapsed() > timeoutMs) {
            finish();
            if (auto* dlg = qobject_cast<QDialog*>(w))
                dlg->reject();
            else
                w->close();
            QTest::qFail("the modal dialog was not closed in time", __FILE__, __LINE__);
        }
    });
    timer->start();
}

ModalWatcher::ModalWatcher() {
    m_timer.setInterval(10);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++count;
            w->reject();
        }
    });
    m_timer.start();
}
