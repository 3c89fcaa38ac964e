#pragma once

class CVespinDoc;
class QWidget;

// 本部提出用のデータ作成: the export dialog for the month selected in the tree, then the file
// and the count message, or the file error with the stop icon.
void OnExportMonthCommand(CVespinDoc& doc, QWidget* parent);
