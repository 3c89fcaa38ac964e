// The book's password in the running program: setting, changing and removing it, and the
// prompt of a protected book with everything a Cancel there must leave as it was.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/vespinapp.h"
#include "dialogs/passworddlg.h"
#include "dialogs/passwordsetdlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/qtstrings.h"
#include "framework/qt/recentfilelist.h"
#include "gui/support/apptest.h"
#include "gui/support/guitest.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"
#include "views/vespintreeview.h"
#include "views/vespinview.h"

namespace {

const QString kWrong = QStringLiteral("パスワードが違います。");

// Types texts into the next password prompt, one attempt each, then OK; a null string for
// Cancel. What each attempt left behind is recorded.
struct PromptScript {
    QStringList attempts;
    QString shownPath;
    QStringList fieldAfterAttempt;
    QList<bool> focusOnField;
    QList<bool> stillOpen;

    void arm() {
        WhenModalShown([this](QWidget* w) {
            auto* dlg = qobject_cast<CPasswordDlg*>(w);
            QVERIFY(dlg);
            shownPath = dlg->m_wndFileLabel->text().remove(QChar(0x200B));
            for (const QString& text : attempts) {
                if (text.isNull()) {
                    dlg->m_btnCancel->click();
                    return;
                }
                dlg->m_edit->setText(text);
                dlg->m_btnOk->click();
                fieldAfterAttempt << dlg->m_edit->text();
                focusOnField << (dlg->focusWidget() == dlg->m_edit);
                stillOpen << dlg->isVisible();
                if (!dlg->isVisible()) return;
            }
        });
    }
};

// Answers the password set/change dialog; records what it showed.
struct SetScript {
    std::optional<QString> typed;  // nullopt: OK without touching the field
    bool cancel = false;
    QString message;
    QString field;
    bool masked = false;

    void arm() {
        WhenModalShown([this](QWidget* w) {
            auto* dlg = qobject_cast<CPasswordSetDlg*>(w);
            QVERIFY(dlg);
            message = dlg->m_wndMessage->text();
            field = dlg->m_edit->text();
            masked = dlg->m_edit->echoMode() == QLineEdit::Password;
            if (cancel) {
                dlg->m_btnCancel->click();
                return;
            }
            if (typed) dlg->m_edit->setText(*typed);
            dlg->m_btnOk->click();
        });
    }
};

bool Open(const AppFixture& f, const QString& path) { return f.manager()->OpenDocumentFile(path); }

// Triggers a command as the menu does, with the states the idle program gives the commands.
void Command(const AppFixture& f, int id) {
    f.frame()->UpdateCommandUI();
    f.action(id)->trigger();
}

bool SelectMonth(const AppFixture& f, int year, int month) {
    QTreeWidgetItem* item = MonthItem(f.tree(), year, month);
    if (item) f.tree()->SelectItem(item);
    return item != nullptr;
}

// Everything the user sees of the book: caption, tree with its current item, day rows.
QString ScreenState(const AppFixture& f) {
    QStringList out = {f.caption()};
    out << TreeLines(f.tree());
    out << QStringLiteral("current: ") + CurrentTreeText(f.tree());
    const QTreeWidgetItem* held = f.tree()->GetCurItem();
    out << QStringLiteral("held: ") + (held ? held->text(0) : QString());
    const CVespinView* list = f.frame()->ListView();
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(r)->text(c);
        out << cells.join(u'|');
    }
    return out.join(u'\n');
}

// Counts the initial updates beside the broadcasts.
class CountingView : public HintSpy {
public:
    using HintSpy::HintSpy;
    void OnInitialUpdate() override { ++initialUpdates; }
    int initialUpdates = 0;
};

}  // namespace

class PasswordTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    // No fiscal year of the books below is the current one: no entry opens by itself.
    void init() { clock_::SetFixed(LocalTime{2040, 1, 10, 9, 0, 0, 2}); }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void setDialogOnABookWithoutPassword() {
        AppFixture p;
        MessageBoxRecorder& rec = p.boxes;
        rec.clear();
        SetScript set;
        set.typed = QStringLiteral("Himitsu 1");
        set.arm();
        Command(p, cmd::kPasswordSet);
        QCOMPARE(set.message, QStringLiteral("パスワードを指定して下さい。"));
        QCOMPARE(set.field, QString());
        QVERIFY(set.masked);
        QCOMPARE(p.doc()->Password(), std::string("Himitsu 1"));
        QVERIFY(p.doc()->IsModified());
        QVERIFY(rec.texts.isEmpty());
    }

    void setDialogShowsTheCurrentPasswordMasked() {
        CVespinDoc doc(nullptr, {}, "/nonexistent/vespin.ini");
        // Bytes that are no Shift-JIS character survive an OK without typing.
        VespinDocAccess::Password(doc) = S("秘密");
        VespinDocAccess::Password(doc).append("\x81\x20\xA0");
        CPasswordSetDlg dlg;
        dlg.m_pDoc = &doc;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("バスワードの設定・変更"));
        QCOMPARE(dlg.m_wndMessage->text(),
                 QStringLiteral("変更したいパスワードを入力して下さい。"));
        QCOMPARE(dlg.m_wndMessage->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(dlg.m_edit->echoMode(), QLineEdit::Password);
        QCOMPARE(dlg.focusWidget(), dlg.m_edit);
        QVERIFY(dlg.m_edit->text().startsWith(QStringLiteral("秘密")));
        dlg.m_btnOk->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(Hex(dlg.m_strPassword), Hex(doc.Password()));
    }

    void unchangedOkMarksModifiedCancelDoesNotNewHasNone() {
        TempDir books;
        const std::string path = books.file("pw.vpx");
        WriteBook(path, BookSpec{{2025}, "1234", "山田", "abc"});
        AppFixture p;
        PromptScript prompt;
        prompt.attempts = {"abc"};
        prompt.arm();
        QVERIFY(Open(p, QString::fromStdString(path)));
        QVERIFY(!p.doc()->IsModified());

        SetScript cancel;
        cancel.cancel = true;
        cancel.arm();
        Command(p, cmd::kPasswordSet);
        QCOMPARE(cancel.field, QStringLiteral("abc"));
        QVERIFY(!p.doc()->IsModified());

        SetScript same;  // OK without touching the field
        same.arm();
        Command(p, cmd::kPasswordSet);
        QCOMPARE(p.doc()->Password(), std::string("abc"));
        QVERIFY(p.doc()->IsModified());

        // New after the protected book: no password.
        p.boxes.answers = {MsgAnswer::no};
        Command(p, cmd::kFileNew);
        SetScript fresh;
        fresh.cancel = true;
        fresh.arm();
        Command(p, cmd::kPasswordSet);
        QVERIFY(p.doc()->Password().empty());
        QCOMPARE(fresh.message, QStringLiteral("パスワードを指定して下さい。"));
        QCOMPARE(fresh.field, QString());
    }

    void removedPasswordOpensWithoutPrompt() {
        TempDir books;
        const std::string path = books.file("pw.vpx");
        WriteBook(path, BookSpec{{2025}, "1234", "山田", "abc"});
        AppFixture p;
        PromptScript prompt;
        prompt.attempts = {"abc"};
        prompt.arm();
        QVERIFY(Open(p, QString::fromStdString(path)));

        SetScript clear;
        clear.typed = QString();
        clear.arm();
        Command(p, cmd::kPasswordSet);
        QVERIFY(p.doc()->Password().empty());
        QVERIFY(p.doc()->IsModified());
        Command(p, cmd::kFileSave);
        QVERIFY(!p.doc()->IsModified());

        AppFixture again;
        ModalWatcher guard;
        QVERIFY(Open(again, QString::fromStdString(path)));
        QCOMPARE(guard.count, 0);
        QCOMPARE(again.doc()->Years().GetSize(), 1);
    }

    void promptRefusesAnyOtherBytesUntilTheRightOne() {
        TempDir books;
        const std::string path = books.file("フォルダ 1/保護された 出勤簿.vpx");
        QDir().mkpath(QString::fromStdString(books.file("フォルダ 1")));
        WriteBook(path, BookSpec{{2025}, "1234", "山田", "Himitsu"});
        AppFixture p;
        MessageBoxRecorder& rec = p.boxes;
        rec.clear();
        PromptScript prompt;
        prompt.attempts = {"himitsu", "Himitsu ", " Himitsu", "ＨＩＭＩＴＳＵ", "Himitsu"};
        prompt.arm();
        QVERIFY(Open(p, QString::fromStdString(path)));
        QCOMPARE(prompt.shownPath, QString::fromStdString(path));
        QCOMPARE(rec.texts, QStringList(4, kWrong));
        QCOMPARE(prompt.fieldAfterAttempt.mid(0, 4), QStringList(4, QString()));
        QCOMPARE(prompt.focusOnField.mid(0, 4), QList<bool>(4, true));
        QCOMPARE(prompt.stillOpen, (QList<bool>{true, true, true, true, false}));
        QCOMPARE(p.doc()->EmployeeName(), S("山田"));
        QCOMPARE(p.frame()->windowTitle(),
                 QString::fromStdString(path) + QStringLiteral("-ヴェスピン"));
    }

    void promptLooksAsDesigned() {
        CVespinDoc doc(nullptr, {}, "/nonexistent/vespin.ini");
        VespinDocAccess::Password(doc) = "secret";
        CPasswordDlg dlg;
        dlg.m_pDoc = &doc;
        // A long path wraps after its folders and pushes the rest of the dialog down.
        QString path = QStringLiteral("/home/yamada");
        for (int i = 0; i < 12; ++i) path += QStringLiteral("/とても長いフォルダの名前%1").arg(i);
        path += QStringLiteral("/出勤簿.vpx");
        dlg.m_strFilePath = path.toStdString();
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("パスワード入力"));
        QCOMPARE(dlg.m_wndProtected->text(),
                 QStringLiteral("このファイルには、パスワードが設定されてます。"));
        QCOMPARE(dlg.m_wndEnter->text(), QStringLiteral("パスワードを入力して下さい。"));
        QCOMPARE(dlg.m_wndFileLabel->text().remove(QChar(0x200B)), path);
        QCOMPARE(dlg.m_edit->echoMode(), QLineEdit::Password);
        QCOMPARE(dlg.focusWidget(), dlg.m_edit);
        const QRect label = dlg.m_wndFileLabel->geometry();
        QVERIFY(label.height() >= dlg.m_wndFileLabel->heightForWidth(label.width()));
        QVERIFY(label.bottom() < dlg.m_wndProtected->geometry().top());
        QVERIFY(dlg.m_wndProtected->geometry().bottom() < dlg.m_wndEnter->geometry().top());
        QVERIFY(dlg.m_wndEnter->geometry().bottom() < dlg.m_edit->geometry().top());
        QVERIFY(dlg.m_edit->geometry().bottom() < dlg.m_btnOk->geometry().top());
        QVERIFY(dlg.rect().contains(dlg.m_btnCancel->geometry()));
    }

    void cancelLeavesTheModifiedBookAndItsViewsAsTheyWere() {
        TempDir books;
        const std::string mine = books.file("mine.vpx");
        const std::string theirs = books.file("theirs.vpx");
        const std::string plain = books.file("plain.vpx");
        WriteBook(mine, BookSpec{{2025}, "1234", "山田", "mine"});
        WriteBook(theirs, BookSpec{{2030}, "1234", "佐藤", "他人"});
        WriteBook(plain, BookSpec{{2031}, "1234", "鈴木", ""});

        AppFixture p;
        PromptScript first;
        first.attempts = {"mine"};
        first.arm();
        QVERIFY(Open(p, QString::fromStdString(mine)));
        QVERIFY(SelectMonth(p, 2025, 5));
        p.doc()->SetEmployee(S("1234"), S("山田 花子"));  // modified
        const QString before = ScreenState(p);
        const QStringList recentBefore = p.app->RecentFileList().Paths();
        CountingView counter(p.doc());

        MessageBoxRecorder& rec = p.boxes;
        rec.clear();
        rec.answers = {MsgAnswer::no};  // do not save the changes before opening
        PromptScript refuse;
        refuse.attempts = {"wrong", QString()};  // a wrong try, then Cancel
        refuse.arm();
        QVERIFY(!Open(p, QString::fromStdString(theirs)));

        QCOMPARE(rec.texts,
                 (QStringList{QStringLiteral("mine.vpx への変更を保存しますか?"), kWrong}));
        QCOMPARE(ScreenState(p), before);
        QCOMPARE(counter.hints.size(), size_t(0));
        QCOMPARE(counter.initialUpdates, 0);
        QVERIFY(p.doc()->IsModified());
        QCOMPARE(p.doc()->Password(), std::string("mine"));
        QCOMPARE(p.doc()->EmployeeName(), S("山田 花子"));
        QCOMPARE(p.doc()->Years().GetSize(), 1);
        QCOMPARE(p.doc()->SelYear(), 2025);
        QCOMPARE(p.doc()->SelMonth(), 5);
        QCOMPARE(p.doc()->GetPathName(), mine);
        QVERIFY(p.doc()->DocPath().empty());
        QCOMPARE(p.app->RecentFileList().Paths(), recentBefore);
        p.frame()->UpdateCommandUI();
        QVERIFY(p.frame()->Action(cmd::kFileSave)->isEnabled());

        // The next open behaves as if nothing had happened.
        rec.clear();
        rec.answers = {MsgAnswer::no};
        QVERIFY(Open(p, QString::fromStdString(plain)));
        QCOMPARE(rec.texts, QStringList{QStringLiteral("mine.vpx への変更を保存しますか?")});
        QCOMPARE(p.frame()->windowTitle(),
                 QString::fromStdString(plain) + QStringLiteral("-ヴェスピン"));
        QCOMPARE(p.doc()->DocPath(), plain);
        QCOMPARE(p.doc()->EmployeeName(), S("鈴木"));
        QVERIFY(p.doc()->Password().empty());
        QVERIFY(!p.doc()->IsModified());
        QCOMPARE(counter.initialUpdates, 1);
        QVERIFY(SelectMonth(p, 2031, 4));
        QCOMPARE(p.frame()->ListView()->topLevelItemCount(), 30);
    }
};

QTEST_MAIN(PasswordTest)
#include "password_test.moc"
