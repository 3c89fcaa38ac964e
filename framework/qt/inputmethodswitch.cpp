#include "framework/qt/inputmethodswitch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QTimer>
#include <QVariant>

namespace {

// A request must never hold up typing; the buses answer in well under this on a live desktop.
constexpr int kReplyMs = 300;
// Fcitx5's Qt support gives each window its own input context, made only after the window
// first has the keyboard (0.14 s later, measured on a busy machine): a request made then reaches
// the window before, so each request is made again, soon and once more later. A dialog's
// closing request, made again, reaches the window the keyboard went back to.
constexpr int kFcitx5AgainMs[] = {150, 500};

// Only a bus that is already there: connecting to a missing session bus could make the bus
// library start one.
bool SessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("bus")));
}

bool HasOwner(const QDBusConnection& bus, const QString& name) {
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    ask << name;
    const QDBusMessage reply = bus.call(ask, QDBus::Block, kReplyMs);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().toBool();
}

// Fcitx5: its controller acts on the input context that last had the focus, the field's. Asked
// only when Fcitx5 runs, since a call to its name would start it (and it takes over from a
// running IBus).
bool SwitchFcitx5(bool open, bool again) {
    if (!SessionBusExists()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString service = QStringLiteral("org.fcitx.Fcitx5");
    if (!bus.isConnected() || !HasOwner(bus, service)) return false;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/controller"), QStringLiteral("org.fcitx.Fcitx.Controller1"),
        open ? QStringLiteral("Activate") : QStringLiteral("Deactivate"));
    bus.send(call);
    if (again)
        for (const int ms : kFcitx5AgainMs)
            QTimer::singleShot(ms, [open] { SwitchFcitx5(open, false); });
    return true;
}

// IBus: the engine's input mode is a property of the input context, which IBus changes only
// for the connection that made the context. That is Qt's own, which Qt's IBus support opens
// under the name "QIBusProxy"; the context with the focus is the program's whenever one of its
// fields has the keyboard. Mozc names its modes InputMode.Hiragana and InputMode.Direct; another
// engine ignores them.
bool SwitchIBus(bool open) {
    const QDBusConnection bus(QStringLiteral("QIBusProxy"));
    if (!bus.isConnected()) return false;
    const QString service = QStringLiteral("org.freedesktop.IBus");
    const QDBusMessage ask =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/IBus"), service,
                                       QStringLiteral("CurrentInputContext"));
    const QDBusMessage reply = bus.call(ask, QDBus::Block, kReplyMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    const QString context = reply.arguments().first().value<QDBusObjectPath>().path();
    if (context.isEmpty()) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, context, QStringLiteral("org.freedesktop.IBus.InputContext"),
        QStringLiteral("PropertyActivate"));
    call << (open ? QStringLiteral("InputMode.Hiragana") : QStringLiteral("InputMode.Direct"))
         << 1u;  // PROP_STATE_CHECKED
    bus.send(call);
    return true;
}

class DesktopInputMethodSwitch : public InputMethodSwitch {
public:
    void SetOpen(bool open) override {
        if (!SwitchFcitx5(open, true)) SwitchIBus(open);
    }
};

InputMethodSwitch* g_replacement = nullptr;

}  // namespace

InputMethodSwitch& TheInputMethodSwitch() {
    static DesktopInputMethodSwitch desktop;
    return g_replacement ? *g_replacement : desktop;
}

void ReplaceInputMethodSwitch(InputMethodSwitch* replacement) { g_replacement = replacement; }
