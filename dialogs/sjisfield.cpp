#include "dialogs/sjisfield.h"

#include <QLineEdit>

#include "framework/qt/messagebox.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"

void SjisField::Write(QLineEdit* edit, const std::string& bytes) {
    m_bytes = bytes;
    m_shown = ToQ(Sjis(bytes));
    edit->setText(m_shown);
}

std::string SjisField::Read(const QLineEdit* edit) const {
    const QString text = edit->text();
    return text == m_shown ? m_bytes : FromQ(text);
}

bool SjisField::CheckStorable(QLineEdit* edit) const {
    const QString text = edit->text();
    if (text == m_shown) return true;
    const std::optional<char32_t> bad = sjis::FirstUnstorable(text.toStdString());
    if (!bad) return true;
    VespinMessageBox(
        UiText::Format(texts::kCharNotStorable, UiText::Path(sjis::CodePointName(*bad))),
        MsgKind::ok, edit->window());
    edit->setFocus();
    return false;
}
