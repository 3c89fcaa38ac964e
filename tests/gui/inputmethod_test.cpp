// The input method in the dialogs, as a Japanese user meets it: on in the fields for Japanese
// text, never in the fields for numbers and times, off again when the dialog closes; a text
// still being converted ends up once, in the field it was typed in.
#include <QAbstractSpinBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
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

QLineEdit* Field(QDialog* dlg, const char* name) {
    return dlg->findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Focuses a field the way the keyboard or the mouse does and lets the queued requests run.
void Focus(QLineEdit* edit) {
    edit->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

// What the platform's input context does: ask the focused object, send it the text.
bool AcceptsInputMethod() {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
    return query.value(Qt::ImEnabled).toBool();
}
void Commit(const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
}
void Preedit(const QString& text) {
    QInputMethodEvent preedit(text, {});
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &preedit);
}

MakeDialog Employee() {
    return [] { return new CEmployeeDlg; };
}
MakeDialog Attendance() {
    return [] { return new CAttendanceDlg; };
}
MakeDialog Year() {
    return [] { return new CYearDlg; };
}
MakeDialog Shortcut() {
    return [] { return new CShortcutDlg; };
}

}  // namespace

Q_DECLARE_METATYPE(MakeDialog)

class InputMethodTest : public QObject {
    Q_OBJECT
private slots:
    void fields_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("japanese");
        QTest::newRow("社員番号") << Employee() << "numberEdit" << false;
        QTest::newRow("氏名") << Employee() << "nameEdit" << true;
        QTest::newRow("出勤時刻") << Attendance() << "arrivalEdit" << false;
        QTest::newRow("退社時刻") << Attendance() << "departureEdit" << false;
        QTest::newRow("勤務地") << Attendance() << "locationsEdit" << true;
        QTest::newRow("年度") << Year() << "yearEdit" << false;
        QTest::newRow("ショートカットの名前") << Shortcut() << "nameEdit" << true;
    }
    // A number or time field tells the input method it takes nothing and drops a commit that
    // comes anyway (the full-width "０８３０" once stored); a Japanese field takes it. Each
    // asks the input method on or off when it gets the focus.
    void fields() {
        QFETCH(MakeDialog, make);
        QFETCH(QString, field);
        QFETCH(bool, japanese);
        RecordingSwitch ime;
        const auto dlg = Shown(make);
        QVERIFY(dlg);
        QLineEdit* edit = Field(dlg.get(), field.toLatin1().constData());
        QVERIFY(edit);
        edit->setText("12");
        edit->setCursorPosition(2);
        edit->clearFocus();
        ime.requests.clear();
        Focus(edit);
        QCOMPARE(ime.requests, QList<bool>{japanese});
        QCOMPARE(AcceptsInputMethod(), japanese);
        Commit("０８３０");
        QCOMPARE(edit->text(), japanese ? QString("12０８３０") : QString("12"));
    }

    // Closing a dialog with a Japanese field turns the input method off, however it closes.
    void closingTurnsItOff() {
        for (const bool ok : {true, false}) {
            RecordingSwitch ime;
            const auto dlg = Shown(Shortcut());
            QVERIFY(dlg);
            Focus(Field(dlg.get(), "nameEdit"));
            Field(dlg.get(), "nameEdit")->setText("勤務簿");
            ok ? dlg->accept() : dlg->reject();
            QVERIFY(!ime.requests.isEmpty());
            QCOMPARE(ime.requests.last(), false);
        }
    }

    // IBus sends a text still being converted twice when the user clicks into another field:
    // Qt commits it into the field it was typed in, and the engine's copy follows to whatever
    // has the focus by then. The number and time fields never take that second copy.
    void unconvertedTextStaysInItsField_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("氏名 to 社員番号") << Employee() << "nameEdit"
                                          << "numberEdit";
        QTest::newRow("勤務地 to 出勤時刻") << Attendance() << "locationsEdit"
                                            << "arrivalEdit";
    }
    void unconvertedTextStaysInItsField() {
        QFETCH(MakeDialog, make);
        QFETCH(QString, from);
        QFETCH(QString, to);
        RecordingSwitch ime;
        const auto dlg = Shown(make);
        QVERIFY(dlg);
        QLineEdit* japanese = Field(dlg.get(), from.toLatin1().constData());
        QLineEdit* numbers = Field(dlg.get(), to.toLatin1().constData());
        numbers->setText("0123");
        Focus(japanese);
        Preedit("たなか");
        Commit("たなか");  // Qt's own commit, before the focus moves
        Focus(numbers);
        Commit("たなか");  // the engine's, late
        QCOMPARE(japanese->text(), QString("たなか"));
        QCOMPARE(numbers->text(), QString("0123"));
    }
};

QTEST_MAIN(InputMethodTest)
#include "inputmethod_test.moc"
