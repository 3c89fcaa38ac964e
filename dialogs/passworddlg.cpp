#include "dialogs/passworddlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/checks.h"
#include "model/texts.h"
#include "model/vespindoc.h"

namespace {

// Template positions (dialog units) below the path, which may take more lines than planned.
struct Slot {
    int x, y, w, h;
};
constexpr Slot kPathSlot = {7, 7, 165, 24};
constexpr Slot kProtectedSlot = {7, 36, 165, 8};
constexpr Slot kEnterSlot = {7, 49, 165, 8};
constexpr Slot kEditSlot = {7, 61, 165, 14};
constexpr Slot kOkSlot = {32, 88, 50, 14};
constexpr Slot kCancelSlot = {97, 88, 50, 14};

}  // namespace

CPasswordDlg::CPasswordDlg(QWidget* parent) : CVespinDialog(parent) {
    SetUpWindow(QStringLiteral("CPasswordDlg"), QStringLiteral("パスワード入力"));

    // Template order: OK, Cancel, fixed text, the password, fixed text, the path.
    AddOkCancel();
    m_wndProtected =
        new QLabel(QStringLiteral("このファイルには、パスワードが設定されてます。"), this);
    m_wndProtected->setObjectName(QStringLiteral("protectedLabel"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("passwordEdit"));
    m_edit->setEchoMode(QLineEdit::Password);
    m_wndEnter = new QLabel(QStringLiteral("パスワードを入力して下さい。"), this);
    m_wndEnter->setObjectName(QStringLiteral("enterLabel"));
    m_wndFileLabel = new QLabel(QStringLiteral("Static"), this);
    m_wndFileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_wndFileLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_wndFileLabel->setWordWrap(true);
    Layout(0);
}

void CPasswordDlg::OnInitDialog() {
    m_strFileLabel = m_strFilePath;
    // A path has no blanks to wrap at: allow a line break after each folder.
    QString shown = PathToQ(m_strFileLabel);
    shown.replace(u'/', QStringLiteral("/\u200B"));
    m_wndFileLabel->setText(shown);
    m_wndFileLabel->setToolTip(PathToQ(m_strFileLabel));
    // A long path pushes the rest of the dialog down instead of being cut off.
    const DialogUnits du(font());
    const QRect pathRect = du.Rect(kPathSlot.x, kPathSlot.y, kPathSlot.w, kPathSlot.h);
    Layout(std::max(0, m_wndFileLabel->heightForWidth(pathRect.width()) - pathRect.height()));
    m_edit->setFocus();
}

void CPasswordDlg::Layout(int extra) {
    const DialogUnits du(font());
    const auto place = [&](QWidget* w, const Slot& s) {
        w->setGeometry(du.Rect(s.x, s.y, s.w, s.h).translated(0, s.y > kPathSlot.y ? extra : 0));
    };
    place(m_wndFileLabel, kPathSlot);
    m_wndFileLabel->resize(m_wndFileLabel->width(), m_wndFileLabel->height() + extra);
    place(m_wndProtected, kProtectedSlot);
    place(m_wndEnter, kEnterSlot);
    place(m_edit, kEditSlot);
    place(m_btnOk, kOkSlot);
    place(m_btnCancel, kCancelSlot);
    setFixedSize(du.Size(179, 111) + QSize(0, extra));
}

void CPasswordDlg::accept() {
    m_strInput = FromQ(m_edit->text());
    if (m_pDoc && PasswordOpens(TypedPassword(m_edit->text().toStdString()), m_pDoc->Password())) {
        QDialog::accept();
        return;
    }
    VespinMessageBox(texts::kPasswordWrong, MsgKind::ok, this);
    m_edit->clear();
    m_edit->setFocus();
}
