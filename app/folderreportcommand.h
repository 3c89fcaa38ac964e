#pragma once

class CDocManager;
class CVespinDoc;
class QWidget;

// 処理 → フォルダの集計: the window over the folder of the open book (else the home folder) for
// the current month; a book double-clicked there is opened in the main window.
void OnFolderReportCommand(const CVespinDoc& doc, CDocManager& manager, QWidget* parent);
