#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The framework's file dialogs for documents: titles "開く" and "名前を付けて保存", the document
// filter and "すべてのﾌｧｲﾙ", default extension .vpx. Tests set the next answer instead of
// clicking through a dialog.
class CFileDialog {
public:
    // The chosen path, or an empty string when the user cancelled.
    static QString GetOpenFileName(QWidget* parent, const QString& directory = {});
    static QString GetSaveFileName(QWidget* parent, const QString& suggestedPath);

    // The next dialog is not shown and returns name (empty: as if cancelled).
    static void SetNextFileName(const QString& name);
    static void ClearNextFileName();

    static QString OpenTitle();
    static QString SaveTitle();
    static QStringList NameFilters();
    static QString DefaultSuffix() { return QStringLiteral("vpx"); }

private:
    static std::optional<QString> TakeNextFileName();
    static QString Run(QWidget* parent, bool save, const QString& suggestedPath,
                       const QString& directory = {});
};
