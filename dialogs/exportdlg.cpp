#include "dialogs/exportdlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/folderchooser.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"
#include "output/exportrules.h"

CExportDlg::CExportDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CExportDlg"), ToQ(texts::kExportCaption), 245, 119);

    // Template order, which is also the tab order.
    m_editFileName = AddEdit(du, QStringLiteral("fileNameEdit"), Entry::text, {56, 34, 83, 14});
    m_editFolder = AddEdit(du, QStringLiteral("folderEdit"), Entry::text, {56, 59, 137, 14});
    AddOkCancel(du, {68, 98}, {131, 98});
    m_btnChoose =
        AddButton(du, ToQ(texts::kExportChoose), QStringLiteral("chooseButton"), {202, 59, 33, 14});

    AddLabel(du, ToQ(texts::kExportFileNameLabel), {15, 37, 34, 8});
    AddLabel(du, ToQ(texts::kExportFolderLabel), {16, 60, 24, 8});
    m_wndTitle = AddLabel(du, QString(), {42, 14, 187, 12});
    m_wndTitle->setObjectName(QStringLiteral("titleLine"));
    m_wndTitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    AddLabel(du, ToQ(texts::kExportNamingHint), {145, 37, 76, 8});

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
    m_strFileName =
        DefaultExportFileName(m_pDoc ? m_pDoc->EmployeeNo() : std::string(), m_nYear, m_nMonth);
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
