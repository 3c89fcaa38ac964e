#include "framework/qt/filedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>

#include "framework/qt/commontexts.h"
#include "framework/qt/japanese.h"

namespace {
std::optional<QString>& NextFileName() {
    static std::optional<QString> next;
    return next;
}
}  // namespace

QString CFileDialog::OpenTitle() { return commontexts::Open(); }
QString CFileDialog::SaveTitle() { return commontexts::SaveAs(); }

QStringList CFileDialog::NameFilters() {
    return {QStringLiteral("Vespin ﾌｧｲﾙ (*.vpx)"), QStringLiteral("すべてのﾌｧｲﾙ (*.*)")};
}

void CFileDialog::SetNextFileName(const QString& name) { NextFileName() = name; }
void CFileDialog::ClearNextFileName() { NextFileName().reset(); }

std::optional<QString> CFileDialog::TakeNextFileName() {
    std::optional<QString> next = NextFileName();
    NextFileName().reset();
    return next;
}

QString CFileDialog::GetOpenFileName(QWidget* parent, const QString& directory) {
    if (auto next = TakeNextFileName()) return *next;
    return Run(parent, false, {}, directory);
}

QString CFileDialog::GetSaveFileName(QWidget* parent, const QString& suggestedPath) {
    if (auto next = TakeNextFileName()) return *next;
    return Run(parent, true, suggestedPath);
}

QString CFileDialog::Run(QWidget* parent, bool save, const QString& suggestedPath,
                         const QString& directory) {
    QFileDialog dlg(parent, save ? SaveTitle() : OpenTitle());
    // Qt's own dialog everywhere, so that titles, filters and the all-files fix below hold.
    UseJapaneseFileDialog(dlg);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = NameFilters();
    dlg.setNameFilters(filters);
    dlg.setDefaultSuffix(DefaultSuffix());
    if (!directory.isEmpty()) dlg.setDirectory(directory);
    if (!suggestedPath.isEmpty()) dlg.selectFile(suggestedPath);
    // "*.*" would hide names without a dot here; the all-files entry must show every file.
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg, [&dlg, filters](const QString& f) {
        if (f != filters.last()) return;
        if (auto* model = dlg.findChild<QFileSystemModel*>())
            model->setNameFilters({QStringLiteral("*")});
    });
    if (dlg.exec() != QDialog::Accepted) return {};
    const QStringList files = dlg.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
