#include "framework/qt/japanese.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFont>
#include <QFontDatabase>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <QTreeView>
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
            // The type's name from the MIME database, with the framework's katakana.
            if (index.column() == 2)
                return HalfWidthKatakana(QIdentityProxyModel::data(index, role).toString());
            if (index.column() == 3)
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }

private:
    // Sizes too: Qt writes them with the system's locale ("11 bytes", "KiB").
    static QString Size(qint64 bytes) {
        if (bytes < 1024) return QStringLiteral("%1 ﾊﾞｲﾄ").arg(bytes);
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

// Qt's Japanese catalogue with its katakana half-width: Qt's dialogs are the framework's, and
// the framework writes ﾌｧｲﾙ, ﾌﾟﾘﾝﾀ, ｷｬﾝｾﾙ, as the program's own dialogs beside them do.
class HalfWidthCatalogue : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool Load() {
        return m_catalogue.load(QStringLiteral("qtbase_ja"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    bool isEmpty() const override { return m_catalogue.isEmpty(); }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        return HalfWidthKatakana(m_catalogue.translate(context, sourceText, disambiguation, n));
    }

private:
    QTranslator m_catalogue;
};

QTranslator* LoadQtCatalogue() {
    auto* translator = new HalfWidthCatalogue(QCoreApplication::instance());
    if (translator->Load()) return translator;
    delete translator;
    return nullptr;
}

}  // namespace

QString HalfWidthKatakana(const QString& text) {
    // ァ (U+30A1) to ヴ (U+30F4), then the long-vowel mark.
    static const char16_t* const kHalf[] = {
        u"ｧ",  u"ｱ",  u"ｨ",  u"ｲ",  u"ｩ",  u"ｳ",  u"ｪ",  u"ｴ",  u"ｫ",  u"ｵ",  u"ｶ", u"ｶﾞ",
        u"ｷ",  u"ｷﾞ", u"ｸ",  u"ｸﾞ", u"ｹ",  u"ｹﾞ", u"ｺ",  u"ｺﾞ", u"ｻ",  u"ｻﾞ", u"ｼ", u"ｼﾞ",
        u"ｽ",  u"ｽﾞ", u"ｾ",  u"ｾﾞ", u"ｿ",  u"ｿﾞ", u"ﾀ",  u"ﾀﾞ", u"ﾁ",  u"ﾁﾞ", u"ｯ", u"ﾂ",
        u"ﾂﾞ", u"ﾃ",  u"ﾃﾞ", u"ﾄ",  u"ﾄﾞ", u"ﾅ",  u"ﾆ",  u"ﾇ",  u"ﾈ",  u"ﾉ",  u"ﾊ", u"ﾊﾞ",
        u"ﾊﾟ", u"ﾋ",  u"ﾋﾞ", u"ﾋﾟ", u"ﾌ",  u"ﾌﾞ", u"ﾌﾟ", u"ﾍ",  u"ﾍﾞ", u"ﾍﾟ", u"ﾎ", u"ﾎﾞ",
        u"ﾎﾟ", u"ﾏ",  u"ﾐ",  u"ﾑ",  u"ﾒ",  u"ﾓ",  u"ｬ",  u"ﾔ",  u"ｭ",  u"ﾕ",  u"ｮ", u"ﾖ",
        u"ﾗ",  u"ﾘ",  u"ﾙ",  u"ﾚ",  u"ﾛ",  u"ﾜ",  u"ﾜ",  u"ｲ",  u"ｴ",  u"ｦ",  u"ﾝ", u"ｳﾞ",
    };
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x30A1 && u <= 0x30F4)
            out += QString::fromUtf16(kHalf[u - 0x30A1]);
        else if (u == 0x30FC)
            out += QChar(0xFF70);
        else
            out += c;
    }
    return out;
}

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
    // Big enough that size, type and date show whole ("2026/12/08 12:35"), within the screen.
    if (auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
        for (int column = 1; column < 4; ++column)
            view->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    QSize size(720, 420);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
}
