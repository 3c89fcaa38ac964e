#include "framework/qt/resourceicon.h"

#include <QString>

// The resource is linked from a static library, whose registration the linker would drop unless
// something calls it; Q_INIT_RESOURCE must stand outside any namespace.
static void RegisterIconResource() { Q_INIT_RESOURCE(icons); }

QIcon ResourceIcon(const char* normal, const char* selected) {
    static const bool registered = (RegisterIconResource(), true);
    (void)registered;
    const auto path = [](const char* name) {
        return QStringLiteral(":/icons/") + QString::fromLatin1(name) + QStringLiteral(".svg");
    };
    QIcon icon;
    icon.addFile(path(normal), QSize(), QIcon::Normal);
    icon.addFile(path(selected ? selected : normal), QSize(), QIcon::Selected);
    return icon;
}
