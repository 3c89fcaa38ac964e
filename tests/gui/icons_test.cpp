// The images of the tool bar, the tree and the day list: each comes from the resource, shows,
// and differs from the others; a missing file or a lost SVG plugin fails here.
#include <QToolBar>
#include <QtTest>

#include "app/mainframe.h"
#include "app/toolbarimages.h"
#include "gui/support/apptest.h"
#include "views/dayimages.h"
#include "views/treeimages.h"

namespace {

// The icon drawn at this size; fails the test when not a pixel of it shows.
QImage Drawn(const QIcon& icon, int size, const QString& what, QIcon::Mode mode = QIcon::Normal) {
    const QImage image = icon.pixmap(size, mode).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return image;
    qWarning("%s shows nothing", qPrintable(what));
    return {};
}

}  // namespace

class IconsTest : public QObject {
    Q_OBJECT
private slots:
    void everyImageShowsItsOwnPicture() {
        AppFixture app;
        QList<QImage> seen;
        const auto add = [&](const QIcon& icon, int size, const QString& what) {
            const QImage image = Drawn(icon, size, what);
            QVERIFY2(!image.isNull(), qPrintable(what));
            QVERIFY2(!seen.contains(image), qPrintable(what + " repeats another image"));
            seen << image;
        };
        int buttons = 0;
        for (QAction* a : app.frame()->ToolBar()->actions()) {
            if (a->isSeparator()) continue;
            ++buttons;
            add(a->icon(), 24, QStringLiteral("button %1").arg(a->data().toInt()));
        }
        QCOMPARE(buttons, 10);
        add(app.frame()->windowIcon(), 24, QStringLiteral("program"));
        for (int i = 0; i < treeimages::kCount; ++i)
            add(treeimages::ItemIcon(i, i), 16, QStringLiteral("tree %1").arg(i));
        for (int i = 0; i < dayimages::kCount; ++i)
            add(dayimages::Image(i), 16, QStringLiteral("day %1").arg(i));
        QVERIFY(toolbarimages::ButtonIcon(0).isNull());
        QVERIFY(dayimages::Image(dayimages::kCount).isNull());
    }

    void selectedTreeItemShowsItsSelectedImageUntinted() {
        AppFixture app;
        const QIcon rootIcon = treeimages::ItemIcon(0, 1);
        QCOMPARE(Drawn(rootIcon, 16, QStringLiteral("root"), QIcon::Selected),
                 Drawn(treeimages::ItemIcon(1, 1), 16, QStringLiteral("open root")));
        const QIcon day = dayimages::Image(0);
        QCOMPARE(day.pixmap(16, QIcon::Selected).toImage(), day.pixmap(16).toImage());
        // A disabled button is drawn greyed by the style, not blank.
        QVERIFY(
            !Drawn(toolbarimages::ProgramIcon(), 24, QStringLiteral("disabled"), QIcon::Disabled)
                 .isNull());
    }
};

QTEST_MAIN(IconsTest)
#include "icons_test.moc"
