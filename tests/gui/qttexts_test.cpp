// Qt's own print and file dialogs speak Japanese whatever the locale: every text a user reads
// in them comes from Qt's catalogue or the program's translation file, its katakana half-width.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>

#include "core/testutil.h"
#include "framework/qt/japanese.h"

namespace {

// The texts of the window and of every widget in it that hold an English word or full-width
// katakana (the framework writes ﾌｧｲﾙ).
QStringList UnfitTexts(QWidget* window) {
    QStringList texts;
    const auto add = [&](const QString& text) {
        if (!text.isEmpty()) texts << text;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Names of files, folders and the user are what they are.
        if (!w->isVisibleTo(window) || w->objectName() == QStringLiteral("lookInCombo") ||
            w->objectName() == QStringLiteral("sidebar"))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) add(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) add(box->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i));
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            QAbstractItemModel* model = view->model();
            for (int c = 0; model && c < model->columnCount(view->rootIndex()); ++c) {
                add(model->headerData(c, Qt::Horizontal).toString());
                for (int r = 0; c > 0 && r < model->rowCount(view->rootIndex()); ++r)
                    add(model->index(r, c, view->rootIndex()).data().toString());
            }
        }
    }
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    // Abbreviations, units and names a Japanese user reads as they are.
    static const QRegularExpression allowed(QStringLiteral(
        "^(PDF|pdf|vpx|KB|MB|GB|TB|mm|in|pt|pc|DD|CC|OK|ARCH|PRC|US|JIS|ISO|ANSI|DL)$"));
    static const QRegularExpression fullWidthKatakana(
        QStringLiteral("[\\x{30A1}-\\x{30FA}\\x{30FC}]"));
    QStringList english;
    for (const QString& text : texts) {
        if (text.contains(fullWidthKatakana)) english << text;
        auto it = word.globalMatch(text);
        while (it.hasNext()) {
            const QString w = it.next().captured();
            if (!allowed.match(w).hasMatch()) english << text;
        }
    }
    english.removeDuplicates();
    return english;
}

}  // namespace

class QtTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(InstallJapaneseSupport()); }

    void printDialogs() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(UnfitTexts(&dialog), QStringList());
        // The printer's properties.
        auto* properties = dialog.findChild<QAbstractButton*>(QStringLiteral("properties"));
        QVERIFY(properties);
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != &dialog && qobject_cast<QDialog*>(w)) {
                    QCOMPARE(UnfitTexts(w), QStringList());
                    static_cast<QDialog*>(w)->reject();
                }
        });
        properties->click();
    }

    void fileDialog() {
        TempDir dir;
        WriteFile(dir.file("a.vpx"), std::string(11, 'x'));
        WriteFile(dir.file("b.vpx"), std::string(3000, 'x'));
        QFileDialog dialog(nullptr, QString(), QString::fromStdString(dir.path()));
        UseJapaneseFileDialog(dialog);
        dialog.setViewMode(QFileDialog::Detail);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("treeView"));
        QVERIFY(view);
        QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 2);
        QCOMPARE(UnfitTexts(&dialog), QStringList());
        QCOMPARE(view->model()->index(0, 1, view->rootIndex()).data().toString(), "11 ﾊﾞｲﾄ");
        QCOMPARE(view->model()->index(1, 1, view->rootIndex()).data().toString(), "2.9 KB");
    }
};

QTEST_MAIN(QtTextsTest)
#include "qttexts_test.moc"
