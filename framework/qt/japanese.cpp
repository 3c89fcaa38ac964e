#include "framework/qt/japanese.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallJapaneseSupport() {
    const QString family = QString::fromUtf16(kProgramFontFamily);
    if (!QFontDatabase::hasFamily(family))
        QFont::insertSubstitution(family, QStringLiteral("IPAPGothic"));

    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool loaded = translator->load(QStringLiteral("qtbase_ja"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return loaded;
}
