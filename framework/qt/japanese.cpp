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
#include <map>
#include <utility>

namespace {

// Texts of Qt's own dialogs that its Japanese catalogue leaves in English.
class SupplementTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        static const std::map<std::pair<QByteArrayView, QByteArrayView>, const char16_t*> table = {
            {{"QAbstractFileIconProvider", "Folder"}, u"フォルダ"},
            {{"QAbstractFileIconProvider", "File Folder"}, u"フォルダ"},
            {{"QAbstractFileIconProvider", "File"}, u"ファイル"},
            {{"QAbstractFileIconProvider", "%1 File"}, u"%1 ファイル"},
            {{"QAbstractFileIconProvider", "Drive"}, u"ドライブ"},
            {{"QAbstractFileIconProvider", "Alias"}, u"エイリアス"},
            {{"QAbstractFileIconProvider", "Shortcut"}, u"ショートカット"},
        };
        const auto it = table.find({QByteArrayView(context), QByteArrayView(sourceText)});
        return it == table.end() ? QString() : QString::fromUtf16(it->second);
    }
};

// The file dialog's columns as the Japanese locale writes them; Qt formats dates with the
// system's locale, which is not Japanese under C.UTF-8.
class JapaneseFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DisplayRole && index.column() == 3) {
            if (const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel()))
                return QLocale().toString(files->lastModified(mapToSource(index)),
                                          QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

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
    if (!supplement) supplement = new SupplementTranslator(QCoreApplication::instance());
    QCoreApplication::installTranslator(supplement);
    return catalogue != nullptr;
}

void UseJapaneseFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new JapaneseFileColumns(&dialog));
}
