#include "framework/qt/messagebox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <new>
#include <stdexcept>

#include "framework/qt/qtstrings.h"
#include "gui/support/guitest.h"
#include "model/texts.h"

// Qt's strings take a text as Shift-JIS or UiText and a path as a path, never a plain string.
template <class T>
concept ToQTakes = requires(const T& t) {
    ToQ(t);
};
template <class T>
concept PathToQTakes = requires(const T& t) {
    PathToQ(t);
};
static_assert(ToQTakes<Sjis> && ToQTakes<UiText> && !ToQTakes<Utf8Path> && !ToQTakes<std::string>);
static_assert(PathToQTakes<Utf8Path> && !PathToQTakes<Sjis> && !PathToQTakes<std::string>);

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void realBoxHasCaptionIconAndJapaneseButtons() {
        QString title, cancelText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenModalShown([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            title = box->windowTitle();
            icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                if (box->buttonRole(b) == QMessageBox::RejectRole) cancelText = b->text();
            box->reject();
        });
        QCOMPARE(VespinMessageBox(texts::kConfirmYearDelete, MsgKind::okCancel), MsgAnswer::cancel);
        QCOMPARE(title, QString("ヴェスピン"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(cancelText, QString("ｷｬﾝｾﾙ"));
    }
    void everyBoxFitsTheScreen() {
        // Thousands of lines, and one line without a place to break it.
        QString text = QString("x").repeated(100000);
        for (int i = 0; i < 5000; ++i) text += QString("\n%1番目の項目「x」").arg(i);
        QSize size;
        QRect screen;
        bool okShown = false;
        WhenModalShown([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            size = box->size();
            screen = box->screen()->availableGeometry();
            okShown = !box->buttons().isEmpty() && box->buttons()[0]->isVisible();
            box->accept();
        });
        VespinMessageBox(text, MsgKind::ok);
        QVERIFY2(size.width() <= screen.width() && size.height() <= screen.height(),
                 qPrintable(QString("%1x%2").arg(size.width()).arg(size.height())));
        QVERIFY(okShown);
    }
    void aFailedCommandShowsTheGenericTextAndReturns() {
        MessageBoxRecorder rec;
        int after = 0;
        RunCommand([] { throw std::bad_alloc(); }, nullptr);
        RunCommand([] { throw std::runtime_error("fault"); }, nullptr);
        RunCommand([&] { ++after; }, nullptr);
        QCOMPARE(rec.texts, QStringList(2, "ｺﾏﾝﾄﾞの実行に失敗しました。"));
        QCOMPARE(rec.kinds, std::vector<MsgKind>(2, MsgKind::stop));
        QCOMPARE(after, 1);
    }
    void shiftJisRoundTrip() {
        const QString s = "社員№ 勤務地１・ﾌｧｲﾙ";
        QCOMPARE(ToQ(FromQ(s)), s);
        // A path keeps what Shift-JIS cannot hold.
        const QString path = "/本/café😀.vpx";
        QCOMPARE(PathToQ(PathFromQ(path)), path);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "messagebox_test.moc"
