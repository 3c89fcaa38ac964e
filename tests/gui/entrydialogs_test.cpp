// The attendance entry dialog, the work-location picker and the employee dialog, driven as a
// user would: typed texts, clicks, Enter, with every message box recorded.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/testutil.h"
#include "dialogs/attendancedlg.h"
#include "dialogs/employeedlg.h"
#include "dialogs/locationdlg.h"
#include "framework/clock.h"
#include "framework/qt/qtstrings.h"
#include "gui/support/guitest.h"
#include "model/dayrecord.h"
#include "model/vespindocaccess.h"

namespace {

constexpr int kShukkin = 0;  // 出勤, times allowed
constexpr int kKekkin = 3;   // 欠勤, times and locations must be blank

// An attendance dialog on the screen for a document with the default settings.
struct AttendanceFixture {
    DocFixture book;
    CAttendanceDlg dlg;
    explicit AttendanceFixture(int dayType = kWeekday, int category = -1) {
        dlg.m_pDoc = &book.doc;
        dlg.m_nDayType = dayType;
        dlg.m_nCurSel = category;
        dlg.m_nCategory = category;
        dlg.m_strDate = Sjis(S("2026 年 12 月 5 日  ( 土曜日 )"));
        dlg.show();
    }
    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->clear();
        // Key by key; Japanese characters arrive as keys carrying their text.
        for (const QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), {});
    }
    void choose(int category) {
        dlg.m_comboCategory->setCurrentIndex(category);
        emit dlg.m_comboCategory->activated(category);
    }
};

void ClickItem(QListWidget* list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, mods,
                      list->visualItemRect(list->item(row)).center());
}

}  // namespace

class EntryDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { clock_::SetFixed(LocalTime{2026, 12, 5, 9, 5, 0, 6}); }
    void cleanup() { clock_::SetFixed(std::nullopt); }

    // ----- Attendance entry -----

    void opensWithTheDayAndTheCategoryNames() {
        AttendanceFixture f(kWeekday, 1);
        f.dlg.m_strArrival = S("08:30");
        QCOMPARE(f.dlg.windowTitle(), QString("勤怠情報のセット"));
        QCOMPARE(f.dlg.m_wndDate->text(), QString("2026 年 12 月 5 日  ( 土曜日 )"));
        QCOMPARE(f.dlg.m_comboCategory->count(), 10);
        QCOMPARE(f.dlg.m_comboCategory->itemText(9), QString("特欠"));
        QCOMPARE(f.dlg.m_comboCategory->currentText(), QString("遅刻"));
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_comboCategory);
        QCOMPARE(f.dlg.m_wndHeading->font().weight(), QFont::ExtraBold);
        QCOMPARE(f.dlg.m_wndHeading->font().pixelSize(), 18);
        QCOMPARE(f.dlg.m_wndDate->font().pixelSize(), 17);
    }

    void tabOrderFollowsTheTemplate() {
        AttendanceFixture f;
        const QList<QWidget*> expected = {f.dlg.m_comboCategory,   f.dlg.m_editArrival,
                                          f.dlg.m_editDeparture,   f.dlg.m_editLocations,
                                          f.dlg.m_btnOk,           f.dlg.m_btnCancel,
                                          f.dlg.m_btnClear,        f.dlg.m_btnArrivalNow,
                                          f.dlg.m_btnDepartureNow, f.dlg.m_btnPickLocations};
        QWidget* w = f.dlg.m_comboCategory;
        for (QWidget* next : expected.mid(1)) {
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
            QCOMPARE(w, next);
        }
    }

    void enterInTheFourFieldsMovesLikeTab() {
        AttendanceFixture f;
        MessageBoxRecorder rec;
        f.dlg.m_comboCategory->setFocus();
        QTest::keyClick(f.dlg.m_comboCategory, Qt::Key_Return);
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_editArrival);
        QTest::keyClick(f.dlg.m_editArrival, Qt::Key_Return);
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_editDeparture);
        QTest::keyClick(f.dlg.m_editDeparture, Qt::Key_Enter);
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_editLocations);
        QTest::keyClick(f.dlg.m_editLocations, Qt::Key_Return);
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_btnOk);
        QVERIFY(f.dlg.isVisible());
        // On a button Enter presses it: OK with nothing filled in closes.
        QTest::keyClick(f.dlg.m_btnOk, Qt::Key_Return);
        QCOMPARE(f.dlg.result(), int(QDialog::Accepted));
        QVERIFY(rec.texts.isEmpty());
    }

    void inputMethodOffForTimesOnForLocations() {
        AttendanceFixture f;
        QVERIFY(!f.dlg.m_editArrival->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!f.dlg.m_editDeparture->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(f.dlg.m_editLocations->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void dayTypeColours_data() {
        QTest::addColumn<int>("dayType");
        QTest::addColumn<QColor>("date");
        QTest::addColumn<bool>("filled");
        QTest::newRow("weekday") << int(kWeekday) << QColor(0, 0, 0) << false;
        QTest::newRow("saturday") << int(kSaturday) << QColor(0, 0, 255) << true;
        QTest::newRow("holiday") << int(kHoliday) << QColor(255, 0, 0) << true;
    }
    void dayTypeColours() {
        QFETCH(int, dayType);
        QFETCH(QColor, date);
        QFETCH(bool, filled);
        AttendanceFixture f(dayType);
        QCOMPARE(f.dlg.m_wndDate->palette().color(QPalette::WindowText), date);
        // Only the date's text takes the colour; its frame is drawn as on any other day.
        const QImage line = f.dlg.grab(f.dlg.m_wndDate->geometry()).toImage();
        QCOMPARE(QColor(line.pixel(0, line.height() / 2)), QColor(Qt::black));
        bool coloured = false;
        for (int x = 0; x < line.width() && !coloured; ++x)
            for (int y = 0; y < line.height() && !coloured; ++y)
                coloured = QColor(line.pixel(x, y)) == date;
        QVERIFY(coloured);
        QCOMPARE(f.dlg.m_wndHeading->autoFillBackground(), filled);
        if (filled) {
            QCOMPARE(f.dlg.m_wndHeading->palette().color(QPalette::Window), date);
            QCOMPARE(f.dlg.m_wndHeading->palette().color(QPalette::WindowText), QColor(Qt::white));
            // What is painted, not only what is asked for.
            const QImage shot = f.dlg.m_wndHeading->grab().toImage();
            QCOMPARE(QColor(shot.pixel(4, shot.height() / 2)), date);
        }
    }

    void timeMessages_data() {
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QString>("message");
        QTest::newRow("no leading zero")
            << "8:30"
            << "出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。";
        QTest::newRow("dash") << "08-30"
                              << "出社時刻の時間と分の間にコロン(：)を指定して下さい。";
        QTest::newRow("hour 25") << "25:00"
                                 << "出社時刻の時間が正しくありません。";
        QTest::newRow("minute 60") << "08:60"
                                   << "出社時刻の分が正しくありません。";
        QTest::newRow("full-width digits")
            << "０８:３０"
            << "出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。";
        QTest::newRow("full-width colon")
            << "08：30"
            << "出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。";
        QTest::newRow("24:30 passes") << "24:30"
                                      << "";
        QTest::newRow("24:59 passes") << "24:59"
                                      << "";
    }
    void timeMessages() {
        QFETCH(QString, arrival);
        QFETCH(QString, message);
        AttendanceFixture f;
        MessageBoxRecorder rec;
        f.choose(kShukkin);
        f.type(f.dlg.m_editArrival, arrival);
        f.dlg.m_editLocations->setFocus();
        f.dlg.m_btnOk->click();
        if (message.isEmpty()) {
            QVERIFY(rec.texts.isEmpty());
            QCOMPARE(f.dlg.result(), int(QDialog::Accepted));
            QCOMPARE(U(f.dlg.m_strArrival), arrival.toStdString());
            return;
        }
        QCOMPARE(rec.texts, QStringList{message});
        QCOMPARE(rec.kinds.front(), MsgKind::ok);
        QVERIFY(f.dlg.isVisible());
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_editArrival);
        QCOMPARE(f.dlg.m_editArrival->text(), arrival);  // nothing typed is lost
    }

    void bothTimesWrongGiveTwoMessagesFocusOnDeparture() {
        AttendanceFixture f;
        MessageBoxRecorder rec;
        f.choose(kShukkin);
        f.type(f.dlg.m_editArrival, "8:30");
        f.type(f.dlg.m_editDeparture, "17:75");
        f.dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList({"出社時刻は、ＸＸ：ＸＸ のように前ゼロで入力して下さい。",
                                         "退社時刻の分が正しくありません。"}));
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_editDeparture);
        QVERIFY(f.dlg.isVisible());
    }

    void onlyADepartureTimeIsAccepted() {
        AttendanceFixture f;
        MessageBoxRecorder rec;
        f.choose(kShukkin);
        f.type(f.dlg.m_editDeparture, "18:00");
        f.dlg.m_btnOk->click();
        QVERIFY(rec.texts.isEmpty());
        QCOMPARE(f.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(f.dlg.m_nCategory, kShukkin);
        QVERIFY(f.dlg.m_strArrival.empty());
        QCOMPARE(U(f.dlg.m_strDeparture), std::string("18:00"));
    }

    void absenceEmptiesTheForbiddenFieldsThenCloses() {
        AttendanceFixture f;
        MessageBoxRecorder rec;
        f.choose(kKekkin);
        f.type(f.dlg.m_editArrival, "09:00");
        f.type(f.dlg.m_editLocations, "勤務地１");
        // The field is still filled while its message is up, emptied right after it.
        QStringList shownWhileAsked;
        SetMessageBoxHook([&](const QString& text, MsgKind) {
            rec.texts << text;
            shownWhileAsked << f.dlg.m_editArrival->text() + "|" + f.dlg.m_editLocations->text();
            return MsgAnswer::ok;
        });
        f.dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList({"この出勤区分の時、出社時刻はスペースとして下さい。",
                                         "この出勤区分の時、勤務地はスペースとして下さい。"}));
        QCOMPARE(shownWhileAsked, QStringList({"09:00|勤務地１", "|勤務地１"}));
        QVERIFY(f.dlg.isVisible());
        QVERIFY(f.dlg.m_editArrival->text().isEmpty());
        QVERIFY(f.dlg.m_editLocations->text().isEmpty());
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_editLocations);
        rec.clear();
        f.dlg.m_btnOk->click();
        QVERIFY(rec.texts.isEmpty());
        QCOMPARE(f.dlg.result(), int(QDialog::Accepted));
        QCOMPARE(f.dlg.m_nCategory, kKekkin);
        QVERIFY(f.dlg.m_strArrival.empty() && f.dlg.m_strLocations.empty());
    }

    void aLocationWithoutCategoryAsksForOne() {
        AttendanceFixture f;
        MessageBoxRecorder rec;
        f.type(f.dlg.m_editLocations, "勤務地２");
        f.dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList{"出勤区分を選択して下さい。"});
        QCOMPARE(f.dlg.focusWidget(), f.dlg.m_comboCategory);
        QVERIFY(f.dlg.isVisible());
    }

    void aStoredIndexWithoutEntrySelectsNothing() {
        // Category names were removed from the settings after the day was recorded.
        AttendanceFixture f(kWeekday, 12);
        QCOMPARE(f.dlg.m_comboCategory->currentIndex(), -1);
        f.type(f.dlg.m_editArrival, "08:30");
        MessageBoxRecorder rec;
        f.dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList{"出勤区分を選択して下さい。"});
    }

    void nowFillsOnlyItsOwnField() {
        AttendanceFixture f;
        f.choose(kShukkin);
        f.type(f.dlg.m_editDeparture, "17:4");
        f.type(f.dlg.m_editLocations, "本社");
        f.dlg.m_btnArrivalNow->click();
        QCOMPARE(f.dlg.m_editArrival->text(), QString("09:05"));
        QCOMPARE(f.dlg.m_editDeparture->text(), QString("17:4"));
        QCOMPARE(f.dlg.m_editLocations->text(), QString("本社"));
        QCOMPARE(f.dlg.m_comboCategory->currentIndex(), kShukkin);
        clock_::SetFixed(LocalTime{2026, 12, 5, 18, 0, 0, 6});
        f.dlg.m_btnDepartureNow->click();
        QCOMPARE(f.dlg.m_editDeparture->text(), QString("18:00"));
        QCOMPARE(f.dlg.m_editArrival->text(), QString("09:05"));
    }

    void clearEmptiesTheDayButKeepsTheDate() {
        AttendanceFixture f(kWeekday, kShukkin);
        f.type(f.dlg.m_editArrival, "08:30");
        f.type(f.dlg.m_editLocations, "勤務地１");
        f.dlg.m_btnClear->click();
        QCOMPARE(f.dlg.m_comboCategory->currentIndex(), -1);
        QVERIFY(f.dlg.m_editArrival->text().isEmpty() && f.dlg.m_editLocations->text().isEmpty());
        QVERIFY(!f.dlg.m_wndDate->text().isEmpty());
        MessageBoxRecorder rec;
        f.dlg.m_btnOk->click();
        QVERIFY(rec.texts.isEmpty());
        QCOMPARE(f.dlg.m_nCategory, -1);
        QVERIFY(f.dlg.m_strArrival.empty() && f.dlg.m_strDeparture.empty() &&
                f.dlg.m_strLocations.empty());
    }

    void untouchedTextsKeepTheirBytes() {
        // 0xED 0x40 (NEC-selected IBM extension) has no byte-exact round trip through Unicode.
        const std::string odd = std::string("\xED\x40", 2) + S("支店");
        QVERIFY(FromQ(ToQ(Sjis(odd))) != odd);
        DocFixture book;
        CAttendanceDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.m_nCurSel = dlg.m_nCategory = kShukkin;
        dlg.m_strLocations = odd;
        dlg.show();
        MessageBoxRecorder rec;
        dlg.m_btnOk->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strLocations, odd);
    }

    void pickerReplacesTheLocationsInListOrder() {
        AttendanceFixture f;
        f.choose(kShukkin);
        f.type(f.dlg.m_editLocations, "手入力");
        WhenModalShown([](QWidget* w) {
            auto* picker = qobject_cast<CLocationDlg*>(w);
            QVERIFY(picker);
            ClickItem(picker->m_listPlaces, 2);                       // 勤務地２
            ClickItem(picker->m_listPlaces, 0, Qt::ControlModifier);  // then 直行不帰
            picker->findChild<QPushButton*>("okButton")->click();
        });
        f.dlg.m_btnPickLocations->click();
        QCOMPARE(f.dlg.m_editLocations->text(), QString("直行不帰・勤務地２"));
        QCOMPARE(f.dlg.m_comboCategory->currentIndex(), kShukkin);

        // Cancel leaves the text alone; OK with nothing chosen empties it.
        WhenModalShown([](QWidget* w) {
            ClickItem(w->findChild<QListWidget*>("placeList"), 1);
            static_cast<QDialog*>(w)->reject();
        });
        f.dlg.m_btnPickLocations->click();
        QCOMPARE(f.dlg.m_editLocations->text(), QString("直行不帰・勤務地２"));
        WhenModalShown([](QWidget* w) { static_cast<QDialog*>(w)->accept(); });
        f.dlg.m_btnPickLocations->click();
        QVERIFY(f.dlg.m_editLocations->text().isEmpty());
    }

    // ----- Work-location picker -----

    void pickerOpensUnselectedWithFocusOnOk() {
        DocFixture book;
        CLocationDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QString("勤務地の選択"));
        QCOMPARE(dlg.m_listPlaces->count(), 4);
        QCOMPARE(dlg.m_listPlaces->item(0)->text(), QString("直行不帰"));
        QVERIFY(dlg.m_listPlaces->selectedItems().isEmpty());
        QCOMPARE(dlg.focusWidget()->objectName(), QString("okButton"));
        // Enter right away: OK with the empty text.
        dlg.m_strResult = "x";
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(dlg.m_strResult.empty());
    }

    void pickerJoinsAllAndRanges() {
        DocFixture book;
        CLocationDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.show();
        ClickItem(dlg.m_listPlaces, 3);
        ClickItem(dlg.m_listPlaces, 0, Qt::ShiftModifier);
        dlg.accept();
        QCOMPARE(U(dlg.m_strResult), std::string("直行不帰・勤務地１・勤務地２・勤務地３"));
        QCOMPARE(dlg.m_strResult.substr(8, 2), std::string("\x81\x45"));
    }

    void pickerDoubleClickTakesThatEntryAlone() {
        DocFixture book;
        CLocationDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.show();
        ClickItem(dlg.m_listPlaces, 0);
        const QRect r = dlg.m_listPlaces->visualItemRect(dlg.m_listPlaces->item(3));
        // A double-click is a click followed by the double-click event.
        QTest::mouseClick(dlg.m_listPlaces->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(dlg.m_listPlaces->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(U(dlg.m_strResult), std::string("勤務地３"));
    }

    // ----- Employee information -----

    void employeeMessagesInOrder() {
        DocFixture book;
        CEmployeeDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QString("社員情報の登録"));
        QCOMPARE(dlg.focusWidget(), dlg.m_editNo);
        MessageBoxRecorder rec;
        dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList{"社員番号を入力して下さい。"});
        QCOMPARE(dlg.focusWidget(), dlg.m_editNo);
        QTest::keyClicks(dlg.m_editNo, "A-012");
        rec.clear();
        dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList{"氏名を入力して下さい。"});
        QCOMPARE(dlg.focusWidget(), dlg.m_editName);
        QVERIFY(dlg.isVisible());
        QTest::keyClicks(dlg.m_editName, "   ");
        rec.clear();
        dlg.m_btnOk->click();
        QVERIFY(rec.texts.isEmpty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strEmployeeNo, std::string("A-012"));
        QCOMPARE(dlg.m_strEmployeeName, std::string("   "));
    }

    void employeeNameWithACharacterNoBookHoldsIsRefused() {
        DocFixture book;
        CEmployeeDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.show();
        dlg.m_editNo->setText("1");
        dlg.m_editName->setText(QString::fromUtf8("\xF0\xA0\xAE\xB7野"));  // 𠮷野
        MessageBoxRecorder rec;
        dlg.m_btnOk->click();
        QCOMPARE(rec.texts, QStringList{"U+20BB7 は、ファイルに保存できない文字です。"
                                        "別の文字を入力して下さい。"});
        QCOMPARE(dlg.focusWidget(), dlg.m_editName);
        QVERIFY(dlg.isVisible());
    }

    void employeeFieldsComeFromTheBookAndEnterMovesOn() {
        DocFixture book;
        VespinDocAccess::EmployeeNo(book.doc) = "0815";
        VespinDocAccess::EmployeeName(book.doc) = S("山田 太郎");
        CEmployeeDlg dlg;
        dlg.m_pDoc = &book.doc;
        dlg.show();
        QCOMPARE(dlg.m_editNo->text(), QString("0815"));
        QCOMPARE(dlg.m_editName->text(), QString("山田 太郎"));
        QVERIFY(!dlg.m_editNo->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(dlg.m_editName->testAttribute(Qt::WA_InputMethodEnabled));
        QTest::keyClick(dlg.m_editNo, Qt::Key_Return);
        QCOMPARE(dlg.focusWidget(), dlg.m_editName);
        QTest::keyClick(dlg.m_editName, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(dlg.focusWidget(), dlg.m_editNo);
        QTest::keyClick(dlg.m_editNo, Qt::Key_Return);
        QTest::keyClick(dlg.m_editName, Qt::Key_Return);
        QCOMPARE(dlg.focusWidget(), dlg.m_btnOk);
        QVERIFY(dlg.isVisible());
        MessageBoxRecorder rec;
        QTest::keyClick(dlg.m_btnOk, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.m_strEmployeeName, S("山田 太郎"));
    }
};

QTEST_MAIN(EntryDialogsTest)
#include "entrydialogs_test.moc"
