#include "dialogs/folderchooser.h"

#include <QFileDialog>
#include <QFileInfo>

#include "framework/qt/japanese.h"
#include "framework/qt/qtstrings.h"
#include "model/texts.h"

namespace {

std::optional<QString>& NextAnswer() {
    static std::optional<QString> answer;
    return answer;
}

}  // namespace

CFolderChooser::CFolderChooser(std::string prompt, std::string initial, QWidget* owner)
    : m_strPrompt(std::move(prompt)), m_hWndOwner(owner), m_strInitial(std::move(initial)) {}

CFolderChooser::~CFolderChooser() = default;

void CFolderChooser::SetNextAnswer(std::optional<QString> path) { NextAnswer() = std::move(path); }

bool CFolderChooser::Browse() {
    QString chosen;
    if (std::optional<QString> answer = NextAnswer()) {
        NextAnswer().reset();
        chosen = *answer;
    } else {
        // A dialog of the framework: its katakana half-width, as Qt's texts in it are.
        QFileDialog dlg(m_hWndOwner, HalfWidthKatakana(ToQ(texts::kFolderChooserCaption)),
                        QStringLiteral("/"));
        dlg.setObjectName(QStringLiteral("CFolderChooser"));
        dlg.setFileMode(QFileDialog::Directory);
        dlg.setOption(QFileDialog::ShowDirsOnly, true);
        // Qt's own dialog, so that the prompt can stand where the platform's would.
        UseJapaneseFileDialog(dlg);
        dlg.setLabelText(QFileDialog::LookIn, HalfWidthKatakana(ToQ(m_strPrompt)));
        if (!m_strInitial.empty()) dlg.selectFile(PathToQ(m_strInitial));
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
        chosen = dlg.selectedFiles().constFirst();
    }
    // Only a real folder of the file system counts as a choice.
    if (chosen.isEmpty() || !QFileInfo(chosen).isDir()) return false;
    m_strPath = PathFromQ(QFileInfo(chosen).absoluteFilePath());
    return true;
}
