#include "framework/qt/japanese.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFont>
#include <QFontDatabase>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iterator>

// The translation file is built into the library; Q_INIT_RESOURCE stands outside any namespace.
static void RegisterSupplementResource() { Q_INIT_RESOURCE(vespin_qt_ja); }

namespace {

// The file dialog's columns as the Japanese locale writes them; Qt formats dates with the
// system's locale, which is not Japanese under C.UTF-8.
class JapaneseFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == 1 && !files->isDir(source)) return Size(files->size(source));
            if (index.column() == 3)
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    // Sizes too: Qt writes them with the system's locale ("11 bytes", "KiB").
    static QString Size(qint64 bytes) {
        if (bytes < 1024) return QStringLiteral("%1 バイト").arg(bytes);
        static const char16_t* const units[] = {u"KB", u"MB", u"GB", u"TB"};
        double value = static_cast<double>(bytes) / 1024;
        size_t unit = 0;
        for (; value >= 1024 && unit + 1 < std::size(units); ++unit) value /= 1024;
        return QStringLiteral("%1 %2").arg(QLocale().toString(value, 'f', 1),
                                           QString::fromUtf16(units[unit]));
    }
};

// The program's own translation file: the texts of Qt's dialogs that its catalogue leaves in
// English.
QTranslator* LoadSupplement() {
    RegisterSupplementResource();
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/vespin_qt_ja.qm"))) return translator;
    delete translator;
    return nullptr;
}

QTranslator* LoadQtCatalogue() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return translator;
    delete translator;
    return nullptr;
}

}  // namespace

QString JapaneseUiFamily() {
    // Proportional families only: under a Japanese locale the system's sans-serif is often a
    // monospaced gothic.
    for (const char16_t* family : {u"Noto Sans CJK JP", u"IPAPGothic", u"IPAexGothic"})
        if (QFontDatabase::hasFamily(QString::fromUtf16(family))) return QString::fromUtf16(family);
    return {};
}

bool InstallJapaneseSupport() {
    // Dates, numbers and sizes in Qt's dialogs as in Japan, whatever the locale.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const QString ui = JapaneseUiFamily();
        if (!ui.isEmpty()) {
            QFont font = QApplication::font();
            font.setFamilies({ui});
            QApplication::setFont(font);
        }
    }

    // Installed last is asked first: the supplement only fills what the catalogue lacks.
    QTranslator* catalogue = LoadQtCatalogue();
    if (catalogue) QCoreApplication::installTranslator(catalogue);
    static QTranslator* supplement = nullptr;
    if (!supplement) supplement = LoadSupplement();
    if (supplement) QCoreApplication::installTranslator(supplement);
    return catalogue != nullptr;
}

void UseJapaneseFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new JapaneseFileColumns(&dialog));
}
