#include "framework/qt/japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallJapaneseSupport() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool loaded = translator->load(QStringLiteral("qtbase_ja"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return loaded;
}
