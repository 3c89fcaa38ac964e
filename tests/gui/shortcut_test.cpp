// ショートカットの作成 in the running program: the name dialog, the entry on the desktop, and the
// program started from that entry opening exactly the book.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include "app/commandids.h"
#include "app/mainframe.h"
#include "app/vespinapp.h"
#include "core/desktopreader.h"
#include "dialogs/passworddlg.h"
#include "dialogs/shortcutdlg.h"
#include "framework/clock.h"
#include "framework/qt/docmanager.h"
#include "framework/qt/qtstrings.h"
#include "framework/qt/recentfilelist.h"
#include "gui/support/apptest.h"
#include "gui/support/guitest.h"
#include "model/vespindoc.h"
#include "model/vespindocaccess.h"
#include "output/desktopentry.h"
#include "output/shelllink.h"

namespace {

const QString kFailed = QStringLiteral("ショートカットの作成に失敗しました。");

QString Created(const QString& name) {
    return QStringLiteral("【 ") + name + QStringLiteral(" 】で、ショートカットを作成しました。");
}

// Answers the next name dialog with name, or Cancel for a null string.
void WhenNameAsked(const QString& name) {
    WhenModalShown([name](QWidget* w) {
        auto* dlg = qobject_cast<CShortcutDlg*>(w);
        QVERIFY(dlg);
        if (name.isNull()) {
            dlg->m_btnCancel->click();
            return;
        }
        dlg->m_edit->setText(name);
        dlg->m_btnOk->click();
    });
}

// What a desktop reads from the entry file.
struct Entry {
    bool ok = false;
    std::map<std::string, std::string> keys;
    std::vector<std::string> argv;
    bool executable = false;
};

Entry ReadEntry(const QString& file) {
    Entry e;
    const std::string text = ReadFile(PathFromQ(file));
    const auto keys = desktopentry::Parse(text);
    if (!keys || !keys->count("Exec")) return e;
    const auto argv = desktopentry::SplitExec(keys->at("Exec"));
    if (!argv) return e;
    e.ok = true;
    e.keys = *keys;
    e.argv = *argv;
    e.executable = QFileInfo(file).isExecutable();
    return e;
}

std::vector<std::string> Words(std::initializer_list<std::string> w) { return w; }

bool Open(const AppFixture& f, const QString& path) { return f.manager()->OpenDocumentFile(path); }

// Triggers a command as the menu does, with the states the idle program gives the commands.
void Command(const AppFixture& f, int id) {
    f.frame()->UpdateCommandUI();
    f.action(id)->trigger();
}

}  // namespace

class ShortcutTest : public QObject {
    Q_OBJECT
private:
    TempDir m_home;
    QByteArray m_oldHome;

    QString desktop() const { return PathToQ(Utf8Path(m_home.file("Desktop"))); }
    QString link(const QString& name) const { return desktop() + u'/' + name; }
    static std::string program(const AppFixture& p) {
        return p.doc()->ExeDir() + p.doc()->ExeName();
    }

private slots:
    void initTestCase() {
        // The desktop is $HOME/Desktop; a home of our own keeps the user's desktop clean.
        QStandardPaths::setTestModeEnabled(true);
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().c_str());
    }
    void cleanupTestCase() { qputenv("HOME", m_oldHome); }
    void init() {
        clock_::SetFixed(LocalTime{2040, 1, 10, 9, 0, 0, 2});
        QDir(desktop()).removeRecursively();
        QDir().mkpath(desktop());
    }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void nameDialogRefusesAnEmptyName() {
        MessageBoxRecorder rec;
        CShortcutDlg dlg;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("デスクトップへショートカットの作成"));
        QCOMPARE(dlg.m_edit->text(), QString());
        QCOMPARE(dlg.focusWidget(), dlg.m_edit);
        dlg.m_btnOk->setFocus();
        dlg.m_btnOk->click();
        QCOMPARE(rec.texts,
                 QStringList{QStringLiteral("作成するショートカットの名前を指定して下さい。")});
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.focusWidget(), dlg.m_edit);
        // A character the book's encoding cannot hold is named, not replaced by "?".
        dlg.m_edit->setText(QStringLiteral("出勤簿🍣"));
        dlg.m_btnOk->click();
        QVERIFY(dlg.isVisible());
        QCOMPARE(rec.texts.takeLast(),
                 QStringLiteral(
                     "U+1F363 は、ファイルに保存できない文字です。別の文字を入力して下さい。"));
        // Blanks are a name: nothing is trimmed.
        dlg.m_edit->setText(QStringLiteral(" 出勤簿 "));
        dlg.m_btnOk->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strName, S(" 出勤簿 "));
        QCOMPARE(rec.texts.size(), 1);
    }

    void bookInAFolderWithBlanks() {
        TempDir books;
        QDir().mkpath(PathToQ(Utf8Path(books.file("My Books  2026"))));
        const std::string book = books.file("My Books  2026/山田 出勤簿.vpx");
        WriteBook(book, BookSpec{{2025}, "1234", "山田", ""});
        AppFixture p;
        QVERIFY(Open(p, PathToQ(Utf8Path(book))));
        MessageBoxRecorder& rec = p.boxes;
        rec.clear();
        WhenNameAsked(QStringLiteral("出勤簿"));
        Command(p, cmd::kCreateShortcut);
        QCOMPARE(rec.texts, QStringList{Created(QStringLiteral("出勤簿"))});
        QCOMPARE(QDir(desktop()).entryList(QDir::Files), QStringList{"出勤簿.desktop"});
        Entry e = ReadEntry(link("出勤簿.desktop"));
        QVERIFY(e.ok);
        QCOMPARE(e.keys["Type"], std::string("Application"));
        QCOMPARE(e.keys["Name"], std::string("出勤簿"));
        QCOMPARE(e.keys["Icon"], std::string("jp.vespin.Vespin"));
        QCOMPARE(e.argv, Words({program(p), book}));
        QVERIFY(e.executable);
        QVERIFY(!p.doc()->IsModified());
    }

    void withoutABookPathNoArgument() {
        TempDir books;
        WriteBook(books.file("mine.vpx"), BookSpec{{}, "1234", "山田", ""});
        WriteBook(books.file("locked.vpx"), BookSpec{{}, "1234", "佐藤", "pw"});
        AppFixture p;
        MessageBoxRecorder& rec = p.boxes;

        // A book never saved; the shortcut leaves its modified flag alone.
        p.doc()->SetEmployee(S("1"), S("山田"));
        const QString caption = p.frame()->windowTitle();
        WhenNameAsked(QStringLiteral("新しい出勤簿"));
        Command(p, cmd::kCreateShortcut);
        QCOMPARE(ReadEntry(link("新しい出勤簿.desktop")).argv, Words({program(p)}));
        QVERIFY(p.doc()->IsModified());
        QCOMPARE(p.frame()->windowTitle(), caption);

        // A book still open after a refused open.
        rec.answers = {MsgAnswer::no};
        QVERIFY(Open(p, PathToQ(Utf8Path(books.file("mine.vpx")))));
        WhenModalShown([](QWidget* w) { qobject_cast<CPasswordDlg*>(w)->m_btnCancel->click(); });
        QVERIFY(!Open(p, PathToQ(Utf8Path(books.file("locked.vpx")))));
        QCOMPARE(p.frame()->windowTitle(),
                 PathToQ(Utf8Path(books.file("mine.vpx"))) + QStringLiteral("-ヴェスピン"));
        WhenNameAsked(QStringLiteral("出勤簿"));
        Command(p, cmd::kCreateShortcut);
        QCOMPARE(ReadEntry(link("出勤簿.desktop")).argv, Words({program(p)}));
        QCOMPARE(rec.texts, (QStringList{Created("新しい出勤簿"), "無題 への変更を保存しますか?",
                                         Created("出勤簿")}));
    }

    void sameNameOverwrittenWithoutAskingDotDesktopDoubled() {
        TempDir books;
        WriteBook(books.file("a.vpx"), BookSpec{{}, "1234", "山田", ""});
        WriteBook(books.file("b.vpx"), BookSpec{{}, "1234", "山田", ""});
        AppFixture p;
        MessageBoxRecorder& rec = p.boxes;
        rec.clear();
        for (const char* book : {"a.vpx", "b.vpx"}) {
            QVERIFY(Open(p, PathToQ(Utf8Path(books.file(book)))));
            WhenNameAsked(QStringLiteral("出勤簿"));
            Command(p, cmd::kCreateShortcut);
        }
        WhenNameAsked(QStringLiteral("出勤簿.desktop"));
        Command(p, cmd::kCreateShortcut);
        QCOMPARE(rec.texts,
                 (QStringList{Created("出勤簿"), Created("出勤簿"), Created("出勤簿.desktop")}));
        QCOMPARE(QDir(desktop()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"出勤簿.desktop", "出勤簿.desktop.desktop"}));
        QCOMPARE(ReadEntry(link("出勤簿.desktop")).argv, Words({program(p), books.file("b.vpx")}));
        const Entry doubled = ReadEntry(link("出勤簿.desktop.desktop"));
        QCOMPARE(doubled.keys.at("Name"), std::string("出勤簿.desktop"));
    }

    void failuresShowTheOneMessage() {
        TempDir books;
        // A folder name with a line break: legal on disk, but no entry can carry it.
        const std::string odd = books.file("two\nlines");
        QDir().mkpath(PathToQ(Utf8Path(odd)));
        WriteBook(odd + "/book.vpx", BookSpec{{}, "1234", "山田", ""});
        AppFixture p;
        MessageBoxRecorder& rec = p.boxes;
        rec.clear();

        WhenNameAsked(QString());  // Cancel: nothing at all
        Command(p, cmd::kCreateShortcut);
        QVERIFY(rec.texts.isEmpty());

        WhenNameAsked(QStringLiteral("../escape"));  // not a file name on the desktop
        Command(p, cmd::kCreateShortcut);

        QVERIFY(Open(p, PathToQ(Utf8Path(odd + "/book.vpx"))));
        WhenNameAsked(QStringLiteral("odd"));
        Command(p, cmd::kCreateShortcut);

        QCOMPARE(rec.texts, QStringList(2, kFailed));
        // No desktop folder yet: it is made; one that cannot be made is named.
        p.manager()->OnFileNew();
        QDir(desktop()).removeRecursively();
        WhenNameAsked(QStringLiteral("出勤簿"));
        Command(p, cmd::kCreateShortcut);
        QVERIFY(QFileInfo::exists(link("出勤簿.desktop")));
        QDir(desktop()).removeRecursively();
        WriteFile(PathFromQ(desktop()), "a file where the folder would be");
        WhenNameAsked(QStringLiteral("出勤簿"));
        Command(p, cmd::kCreateShortcut);
        QCOMPARE(rec.texts.mid(2),
                 (QStringList{Created("出勤簿"), kFailed + "\nデスクトップのフォルダ " + desktop() +
                                                     " を作成できませんでした。"}));
        QFile::remove(desktop());
        QVERIFY(!QFileInfo::exists(PathToQ(Utf8Path(m_home.file("escape.desktop")))));
        QVERIFY(!p.doc()->IsModified());
    }

    // Hostile paths mean the same to GLib's launcher as to our reader.
    void desktopLauncherReadsTheSameWords() {
        const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
        if (gio.isEmpty()) QSKIP("gio is not installed");
        TempDir dir;
        const std::string probe = dir.file("probe dir/probe $1");
        QDir().mkpath(PathToQ(Utf8Path(dir.file("probe dir"))));
        WriteFile(probe,
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$PROBE_OUT\"\n");
        QFile::setPermissions(PathToQ(Utf8Path(probe)),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const std::vector<std::string> paths = {
            "/home/u/My Books/出勤簿 2026.vpx", "/tmp/a\"b'c\\d.vpx",
            "/tmp/$(touch pwned) `id`.vpx", "/tmp/100% %f %u %%.vpx", "/tmp/; touch pwned #.vpx"};
        for (size_t i = 0; i < paths.size(); ++i) {
            const std::string n = std::to_string(i);
            const std::string entry = dir.file("e" + n + ".desktop");
            const std::string out = dir.file("out" + n);
            QVERIFY(CreateShellLink(probe, entry, paths[i]));
            QProcess launch;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("PROBE_OUT"), PathToQ(Utf8Path(out)));
            launch.setProcessEnvironment(env);
            launch.setWorkingDirectory(PathToQ(Utf8Path(dir.path())));
            launch.start(gio, {QStringLiteral("launch"), PathToQ(Utf8Path(entry))});
            QVERIFY(launch.waitForFinished(20000));
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(PathToQ(Utf8Path(out))).size() > 0, 20000);
            QTRY_COMPARE_WITH_TIMEOUT(ReadFile(out), paths[i] + '\0', 5000);
        }
        QCOMPARE(QDir(PathToQ(Utf8Path(dir.path()))).entryList({"pwned"}), QStringList());
    }

    void programStartedFromTheEntryOpensExactlyThatBook() {
        // The program beside its settings in a folder whose path needs quoting too.
        TempDir dir;
        const std::string progDir = dir.file("プログラム $dir");
        QDir().mkpath(PathToQ(Utf8Path(progDir)));
        QVERIFY(
            QFile::copy(QStringLiteral(VESPIN_PROGRAM), PathToQ(Utf8Path(progDir + "/vespin"))));
        const std::string folder = dir.file("My Books \"2026\" `x` 100%");
        QDir().mkpath(PathToQ(Utf8Path(folder)));
        const std::string book = folder + "/山田 $HOME.vpx";
        WriteBook(book, BookSpec{{}, "1234", "山田", ""});

        AppFixture p;
        WriteFile(progDir + "/vespin.ini", ReadFile(p.file("vespin.ini")));
        VespinDocAccess::ExeDir(*p.doc()) = progDir + "/";
        VespinDocAccess::ExeName(*p.doc()) = "vespin";
        QVERIFY(Open(p, PathToQ(Utf8Path(book))));
        MessageBoxRecorder& rec = p.boxes;
        rec.clear();
        WhenNameAsked(QStringLiteral("出勤簿"));
        Command(p, cmd::kCreateShortcut);
        QCOMPARE(rec.texts, QStringList{Created(QStringLiteral("出勤簿"))});
        const Entry e = ReadEntry(link("出勤簿.desktop"));
        QCOMPARE(e.argv, Words({progDir + "/vespin", book}));

        // Started as the desktop would: those words, a home of its own, no screen.
        const std::string childHome = dir.file("home");
        QDir().mkpath(PathToQ(Utf8Path(childHome + "/config")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), PathToQ(Utf8Path(childHome)));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), PathToQ(Utf8Path(childHome + "/config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(env);
        QStringList args;
        for (size_t i = 1; i < e.argv.size(); ++i) args << PathToQ(Utf8Path(e.argv[i]));
        child.start(PathToQ(Utf8Path(e.argv[0])), args);
        QVERIFY(child.waitForStarted(10000));
        // An opened book is written at once to the recent-file list.
        const QString settings = PathToQ(Utf8Path(childHome)) + QStringLiteral("/config/") +
                                 CRecentFileList::OrganizationName() + u'/' +
                                 CRecentFileList::ApplicationName() + QStringLiteral(".conf");
        const auto recent = [&] {
            QSettings s(settings, QSettings::IniFormat);
            return s.value(CRecentFileList::Group() + QStringLiteral("/File1")).toString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(!recent().isEmpty() || child.state() == QProcess::NotRunning,
                                 60000);
        const QString opened = recent();
        child.terminate();
        child.waitForFinished(10000);
        QCOMPARE(opened, PathToQ(Utf8Path(book)));
    }
};

QTEST_MAIN(ShortcutTest)
#include "shortcut_test.moc"
