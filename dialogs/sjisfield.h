#pragma once

#include <QString>
#include <string>

class QLineEdit;

// The Shift-JIS bytes last written to an edit field. Reading an untouched field gives those
// bytes back exactly, even where a text from a file has no one-to-one Unicode form.
class SjisField {
public:
    void Write(QLineEdit* edit, const std::string& bytes);
    std::string Read(const QLineEdit* edit) const;
    // Whether the book can hold what the field shows; if not, says which character it cannot
    // hold and puts the focus on the field. Nothing is ever replaced behind the user's back.
    bool CheckStorable(QLineEdit* edit) const;

private:
    std::string m_bytes;
    QString m_shown;
};
