#include "dialogs/sjisfield.h"

#include <QLineEdit>

#include "framework/qt/qtstrings.h"

void SjisField::Write(QLineEdit* edit, const std::string& bytes) {
    m_bytes = bytes;
    m_shown = ToQ(bytes);
    edit->setText(m_shown);
}

std::string SjisField::Read(const QLineEdit* edit) const {
    const QString text = edit->text();
    return text == m_shown ? m_bytes : FromQ(text);
}
