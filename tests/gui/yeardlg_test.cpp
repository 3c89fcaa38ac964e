// 年度の登録: the default year from the clock, the arrows' range, and the OK checks with their
// messages, each answered through the message-box hook.
#include "dialogs/yeardlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/testutil.h"
#include "framework/clock.h"
#include "gui/support/guitest.h"

namespace {

struct Dialog {
    DocFixture book;
    std::unique_ptr<CYearDlg> dlg;
    explicit Dialog(LocalTime today = {2026, 12, 6, 10, 0, 0, 0}) {
        clock_::SetFixed(today);
        dlg = std::make_unique<CYearDlg>();
        dlg->m_pDoc = &book.doc;
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    }
    QPushButton* ok() const { return dlg->findChild<QPushButton*>("okButton"); }
    // Types text into the year field and presses OK; true when the dialog accepted it.
    bool enter(const QString& text) {
        dlg->m_edit->setText(text);
        QTest::mouseClick(ok(), Qt::LeftButton);
        return dlg->result() == QDialog::Accepted && !dlg->isVisible();
    }
};

const QString kRange = "1998 から 2036 までの整数を入力してください。";

}  // namespace

class YearDlgTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { clock_::SetFixed(std::nullopt); }

    void opensWithTheCurrentFiscalYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("shown");
        QTest::newRow("December") << 2026 << 12 << 6 << "2026";
        QTest::newRow("January") << 2027 << 1 << 15 << "2026";
        QTest::newRow("31 March") << 2027 << 3 << 31 << "2026";
        QTest::newRow("1 April") << 2027 << 4 << 1 << "2027";
    }
    void opensWithTheCurrentFiscalYear() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, shown);
        Dialog d(LocalTime{year, month, day, 8, 0, 0, 0});
        QCOMPARE(d.dlg->m_edit->text(), shown);
        QCOMPARE(d.dlg->m_nYear, shown.toInt());
        QVERIFY(d.dlg->m_edit->hasFocus());
        QCOMPARE(d.dlg->windowTitle(), QString("年度の登録"));
    }

    void looksAsDesigned() {
        Dialog d;
        QCOMPARE(d.ok()->text(), QString("OK"));
        QVERIFY(d.ok()->isDefault());
        QCOMPARE(d.dlg->findChild<QPushButton*>("cancelButton")->text(), QString("ｷｬﾝｾﾙ"));
        QVERIFY(d.dlg->findChild<QLabel*>()->text() == "年度");
        // A number field: the input method stays off.
        QVERIFY(!d.dlg->m_edit->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void arrowsStepByOneWithinTheRange() {
        Dialog d;
        CYearSpin* spin = d.dlg->m_spin;
        QCOMPARE(spin->Lowest(), 1998);
        QCOMPARE(spin->Highest(), 2036);
        QVERIFY(!spin->isAccelerated());
        QTest::keyClick(d.dlg->m_edit, Qt::Key_Up);
        QCOMPARE(d.dlg->m_edit->text(), QString("2027"));
        QTest::keyClick(d.dlg->m_edit, Qt::Key_Down);
        QTest::keyClick(d.dlg->m_edit, Qt::Key_Down);
        QCOMPARE(d.dlg->m_edit->text(), QString("2025"));

        // A typed number is where the arrows go on from; they stop at both ends.
        d.dlg->m_edit->setText("2035");
        spin->stepBy(1);
        spin->stepBy(1);
        QCOMPARE(d.dlg->m_edit->text(), QString("2036"));
        d.dlg->m_edit->setText("1999");
        spin->stepBy(-5);
        QCOMPARE(d.dlg->m_edit->text(), QString("1998"));
        // Text that is no number: the arrows go on from their last position.
        d.dlg->m_edit->setText("abc");
        spin->stepBy(1);
        QCOMPARE(d.dlg->m_edit->text(), QString("1999"));
    }

    void refusesWhatIsNoWholeNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("letter among digits") << "20a6";
        QTest::newRow("digits then 年") << "2026年";
        QTest::newRow("blank inside") << "20 26";
        QTest::newRow("sign alone") << "-";
    }
    void refusesWhatIsNoWholeNumber() {
        QFETCH(QString, text);
        Dialog d;
        MessageBoxRecorder boxes;
        QVERIFY(!d.enter(text));
        QCOMPARE(boxes.texts, QStringList({"整数を入力してください。"}));
        QCOMPARE(boxes.kinds.front(), MsgKind::ok);
        QVERIFY(d.dlg->isVisible());
        // The focus returns to the field with its whole text selected for retyping.
        QVERIFY(d.dlg->m_edit->hasFocus());
        QCOMPARE(d.dlg->m_edit->selectedText(), text);
    }

    void rangeIsInclusive_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("year");
        QTest::newRow("1997") << "1997" << false << 0;
        QTest::newRow("1998") << "1998" << true << 1998;
        QTest::newRow("2036") << "2036" << true << 2036;
        QTest::newRow("2037") << "2037" << false << 0;
        QTest::newRow("negative") << "-2026" << false << 0;
        QTest::newRow("blanks around") << " \t2026  " << true << 2026;
        QTest::newRow("plus sign") << "+2030" << true << 2030;
    }
    void rangeIsInclusive() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, year);
        Dialog d;
        MessageBoxRecorder boxes;
        QCOMPARE(d.enter(text), accepted);
        if (accepted) {
            QVERIFY(boxes.texts.isEmpty());
            QCOMPARE(d.dlg->m_nYear, year);
        } else {
            QCOMPARE(boxes.texts, QStringList({kRange}));
            QCOMPARE(d.dlg->m_edit->selectedText(), text);
        }
    }

    void registeredYearIsRefusedAndTheDialogStays() {
        Dialog d;
        d.book.doc.RegisterYear(2026);
        MessageBoxRecorder boxes;
        QVERIFY(!d.enter("2026"));
        QCOMPARE(boxes.texts, QStringList({"この年度は、既に作成済みです。"}));
        QVERIFY(d.dlg->isVisible());
        // The text stays as typed and the focus where it was.
        QCOMPARE(d.dlg->m_edit->text(), QString("2026"));
        QVERIFY(!d.dlg->m_edit->hasFocus());
        QVERIFY(d.enter("2027"));
        QCOMPARE(d.dlg->m_nYear, 2027);
        QCOMPARE(boxes.texts.size(), 1);
    }

    void clockOutsideTheRangeStillShowsItsYear() {
        Dialog d(LocalTime{2040, 6, 1, 8, 0, 0, 0});
        QCOMPARE(d.dlg->m_edit->text(), QString("2040"));
        MessageBoxRecorder boxes;
        QTest::mouseClick(d.ok(), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList({kRange}));
    }

    void cancelChecksNothing() {
        Dialog d;
        MessageBoxRecorder boxes;
        d.dlg->m_edit->setText("abc");
        QTest::keyClick(d.dlg->m_edit, Qt::Key_Escape);
        QCOMPARE(d.dlg->result(), int(QDialog::Rejected));
        QVERIFY(!d.dlg->isVisible());
        QVERIFY(boxes.texts.isEmpty());
    }

    void enterInTheFieldPressesOk() {
        Dialog d;
        MessageBoxRecorder boxes;
        d.dlg->m_edit->setText("2030");
        QTest::keyClick(d.dlg->m_edit, Qt::Key_Return);
        QCOMPARE(d.dlg->result(), int(QDialog::Accepted));
        QCOMPARE(d.dlg->m_nYear, 2030);
    }
};

QTEST_MAIN(YearDlgTest)
#include "yeardlg_test.moc"
