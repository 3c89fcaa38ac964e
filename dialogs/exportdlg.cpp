#include "dialogs/exportdlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <tuple>

#include "dialogs/dialogunits.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/exportrules.h"
#include "dialogs/folderchooser.h"

CExportDlg::CExportDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CExportDlg"), ToQ(texts::kExportCaption), 245, 119);

    // Template order, which is also the tab order.
    m_editFileName = new QLineEdit(this);
    m_editFileName->setObjectName(QStringLiteral("fileNameEdit"));
    du.Place(m_editFileName, 56, 34, 83, 14);

    m_editFolder = new QLineEdit(this);
    m_editFolder->setObjectName(QStringLiteral("folderEdit"));
    du.Place(m_editFolder, 56, 59, 137, 14);

    std::tie(m_btnOk, m_btnCancel) = AddOkCancel();
    du.Place(m_btnOk, 68, 98, 50, 14);
    du.Place(m_btnCancel, 131, 98, 50, 14);

    m_btnChoose = new QPushButton(ToQ(texts::kExportChoose), this);
    m_btnChoose->setObjectName(QStringLiteral("chooseButton"));
    du.Place(m_btnChoose, 202, 59, 33, 14);

    auto* label = new QLabel(ToQ(texts::kExportFileNameLabel), this);
    du.Place(label, 15, 37, 34, 8);
    label = new QLabel(ToQ(texts::kExportFolderLabel), this);
    du.Place(label, 16, 60, 24, 8);

    m_wndTitle = new QLabel(this);
    m_wndTitle->setObjectName(QStringLiteral("titleLine"));
    m_wndTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    du.Place(m_wndTitle, 42, 14, 187, 12);

    label = new QLabel(ToQ(texts::kExportNamingHint), this);
    du.Place(label, 145, 37, 76, 8);

    setTabOrder(m_editFileName, m_editFolder);
    setTabOrder(m_editFolder, m_btnOk);
    setTabOrder(m_btnOk, m_btnCancel);
    setTabOrder(m_btnCancel, m_btnChoose);

    // Enter in the two fields moves on like Tab.
    MoveOnWithEnter({m_editFileName, m_editFolder});

    m_fontTitle = ProgramFont();
    m_fontTitle.setPixelSize(18);
    m_fontTitle.setWeight(QFont::Bold);

    connect(m_btnChoose, &QPushButton::clicked, this, &CExportDlg::OnChooseFolder);
}

void CExportDlg::OnInitDialog() {
    m_month = ExportDialogMonth(m_pDoc);
    m_nYear = m_month.calendarYear;
    m_nMonth = m_month.month;
    m_strFileName = DefaultExportFileName(m_pDoc ? m_pDoc->m_strEmployeeNo : std::string(),
                                          m_nYear, m_nMonth);
    m_strTitle = ExportTitle(m_nYear, m_nMonth);
    m_wndTitle->setFont(m_fontTitle);
    UpdateData(false);
    m_editFileName->setFocus();
}

void CExportDlg::UpdateData(bool save) {
    if (save) {
        m_strFileName = PathFromQ(m_editFileName->text());
        m_strFolder = PathFromQ(m_editFolder->text());
    } else {
        m_wndTitle->setText(ToQ(m_strTitle));
        m_editFileName->setText(PathToQ(m_strFileName));
        m_editFolder->setText(PathToQ(m_strFolder));
    }
}

void CExportDlg::OnChooseFolder() {
    // Owned by this dialog, so that the chooser stands over it.
    CFolderChooser chooser(texts::kFolderChooserPrompt, {}, this);
    if (!chooser.Browse()) return;
    UpdateData(true);
    m_strFolder = chooser.GetPath();
    UpdateData(false);
    m_editFolder->setFocus();
}

void CExportDlg::accept() {
    UpdateData(true);
    const ExportCheck check = CheckExportInput(m_strFileName, m_strFolder);
    if (check.focus != ExportField::none) {
        VespinMessageBox(check.message, MsgKind::ok, this);
        (check.focus == ExportField::folder ? m_editFolder : m_editFileName)->setFocus();
        return;
    }
    if (ExportFileExists(ExportPath(m_strFolder, m_strFileName)) &&
        VespinMessageBox(texts::kExportOverwrite, MsgKind::okCancel, this) != MsgAnswer::ok) {
        m_editFileName->setFocus();
        return;
    }
    QDialog::accept();
}
