#include "app/vespinuiqt.h"

#include "dialogs/employeedlg.h"
#include "dialogs/passworddlg.h"
#include "dialogs/passwordsetdlg.h"
#include "dialogs/yeardlg.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/vespindoc.h"

void CVespinUiQt::SetMainWindow(QWidget* window) {
    m_pWindow = window;
    if (m_pWindow && !m_strPendingCaption.isEmpty()) m_pWindow->setWindowTitle(m_strPendingCaption);
}

MsgAnswer CVespinUiQt::MessageBox(const UiText& text, MsgKind kind) {
    return VespinMessageBox(text, kind, m_pWindow);
}

void CVespinUiQt::SetCaption(const UiText& caption) {
    m_strPendingCaption = ToQ(caption);
    if (m_pWindow) m_pWindow->setWindowTitle(m_strPendingCaption);
}

std::optional<int> CVespinUiQt::AskYear(const CVespinDoc& doc) {
    CYearDlg dlg(m_pWindow);
    dlg.m_pDoc = &doc;
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.m_nYear;
}

bool CVespinUiQt::AskEmployee(const CVespinDoc& doc, std::string& number, std::string& name) {
    CEmployeeDlg dlg(m_pWindow);
    dlg.m_pDoc = &doc;
    if (dlg.exec() != QDialog::Accepted) return false;
    number = dlg.m_strEmployeeNo;
    name = dlg.m_strEmployeeName;
    return true;
}

bool CVespinUiQt::AskPassword(const CVespinDoc& doc, const std::string& path) {
    CPasswordDlg dlg(m_pWindow);
    dlg.m_pDoc = &doc;
    dlg.m_strFilePath = Utf8Path(path);
    return dlg.exec() == QDialog::Accepted;
}

std::optional<std::string> CVespinUiQt::AskNewPassword(const CVespinDoc& doc) {
    CPasswordSetDlg dlg(m_pWindow);
    dlg.m_pDoc = &doc;
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.m_strPassword;
}
