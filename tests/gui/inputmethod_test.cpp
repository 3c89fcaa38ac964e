// The input method in the dialogs: on in the fields for Japanese text, never in the fields for
// numbers and times, off when the dialog closes; a text being converted stays in its field.
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "dialogs/attendancedlg.h"
#include "dialogs/employeedlg.h"
#include "dialogs/shortcutdlg.h"
#include "dialogs/yeardlg.h"
#include "framework/qt/inputmethodswitch.h"

namespace {

// Records what the fields ask of the input method instead of asking the desktop.
struct RecordingSwitch : InputMethodSwitch {
    QList<bool> requests;
    RecordingSwitch() { ReplaceInputMethodSwitch(this); }
    ~RecordingSwitch() override { ReplaceInputMethodSwitch(nullptr); }
    void SetOpen(bool open) override { requests << open; }
};

using MakeDialog = std::function<QDialog*()>;

// A dialog on the screen with the keyboard.
std::unique_ptr<QDialog> Shown(const MakeDialog& make) {
    std::unique_ptr<QDialog> dlg(make());
    dlg->show();
    dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(dlg.get())) return nullptr;
    QCoreApplication::processEvents();  // the first field's request
    return dlg;
}

QLineEdit* Focus(QDialog* dlg, const QString& name) {
    auto* edit = dlg->findChild<QLineEdit*>(name);
    edit->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    return edit;
}

// What the platform's input context sends to the object with the focus.
void Send(QInputMethodEvent&& event) {
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
}
void Commit(const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    Send(std::move(commit));
}

const MakeDialog kEmployee = [] { return new CEmployeeDlg; };

}  // namespace

Q_DECLARE_METATYPE(MakeDialog)

class InputMethodTest : public QObject {
    Q_OBJECT
private slots:
    void fields_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("japanese");
        const MakeDialog attendance = [] { return new CAttendanceDlg; };
        const MakeDialog year = [] { return new CYearDlg; };
        const MakeDialog shortcut = [] { return new CShortcutDlg; };
        QTest::newRow("社員番号") << kEmployee << "numberEdit" << false;
        QTest::newRow("氏名") << kEmployee << "nameEdit" << true;
        QTest::newRow("出勤時刻") << attendance << "arrivalEdit" << false;
        QTest::newRow("退社時刻") << attendance << "departureEdit" << false;
        QTest::newRow("勤務地") << attendance << "locationsEdit" << true;
        QTest::newRow("年度") << year << "yearEdit" << false;
        QTest::newRow("ショートカットの名前") << shortcut << "nameEdit" << true;
    }
    // Each field asks the input method on or off with the focus; a number or time field says
    // it takes no input-method text and drops a commit that comes anyway (the full-width
    // "０８３０" once stored). Closing the dialog turns the input method off.
    void fields() {
        QFETCH(MakeDialog, make);
        QFETCH(QString, field);
        QFETCH(bool, japanese);
        RecordingSwitch ime;
        const auto dlg = Shown(make);
        QVERIFY(dlg);
        dlg->findChild<QLineEdit*>(field)->clearFocus();
        ime.requests.clear();
        QLineEdit* edit = Focus(dlg.get(), field);
        QCOMPARE(ime.requests, QList<bool>{japanese});
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
        QCOMPARE(query.value(Qt::ImEnabled).toBool(), japanese);
        edit->setText("12");
        Commit("０８３０");
        QCOMPARE(edit->text(), japanese ? QString("12０８３０") : QString("12"));
        dlg->reject();
        QCOMPARE(ime.requests.last(), false);
    }

    // IBus sends a text still being converted twice when the user clicks into another field:
    // Qt commits it into the field it was typed in, the engine's copy follows to whatever has
    // the keyboard by then.
    void unconvertedTextStaysInItsField() {
        RecordingSwitch ime;
        const auto dlg = Shown(kEmployee);
        QVERIFY(dlg);
        QLineEdit* name = Focus(dlg.get(), "nameEdit");
        Send(QInputMethodEvent("たなか", {}));
        Commit("たなか");
        QLineEdit* number = Focus(dlg.get(), "numberEdit");
        Commit("たなか");
        QCOMPARE(name->text(), QString("たなか"));
        QCOMPARE(number->text(), QString());
    }
};

QTEST_MAIN(InputMethodTest)
#include "inputmethod_test.moc"
