// What every template dialog gets from its base: the tab order of its template, OK as the
// default button and Cancel that closes without taking anything.
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "dialogs/employeedlg.h"
#include "dialogs/exportdlg.h"
#include "dialogs/locationdlg.h"
#include "dialogs/passworddlg.h"
#include "dialogs/passwordsetdlg.h"
#include "dialogs/shortcutdlg.h"
#include "dialogs/yeardlg.h"

class DialogBaseTest : public QObject {
    Q_OBJECT
private slots:
    void tabOrderOkAndCancel() {
        const std::vector<std::pair<std::function<CVespinDialog*()>, QStringList>> dialogs = {
            {[] { return new CEmployeeDlg; },
             {"okButton", "cancelButton", "numberEdit", "nameEdit"}},
            {[] { return new CLocationDlg; }, {"okButton", "cancelButton", "placeList"}},
            {[] { return new CPasswordSetDlg; }, {"okButton", "cancelButton", "passwordEdit"}},
            {[] { return new CPasswordDlg; }, {"okButton", "cancelButton", "passwordEdit"}},
            {[] { return new CShortcutDlg; }, {"okButton", "cancelButton", "nameEdit"}},
            {[] { return new CYearDlg; }, {"yearSpin", "yearEdit", "okButton", "cancelButton"}},
            {[] { return new CExportDlg; },
             {"fileNameEdit", "folderEdit", "okButton", "cancelButton", "chooseButton"}},
        };
        for (const auto& [make, expected] : dialogs) {
            const std::unique_ptr<CVespinDialog> dlg(make());
            dlg->show();
            QStringList chain;
            for (QWidget* w = dlg->nextInFocusChain(); w != dlg.get(); w = w->nextInFocusChain())
                if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible()) chain << w->objectName();
            QCOMPARE(chain, expected);
            QVERIFY(dlg->m_btnOk->isDefault());
            dlg->m_btnCancel->click();
            QCOMPARE(dlg->result(), int(QDialog::Rejected));
            QVERIFY(!dlg->isVisible());
        }
    }
};

QTEST_MAIN(DialogBaseTest)
#include "dialogbase_test.moc"
