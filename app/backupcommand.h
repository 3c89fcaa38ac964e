#pragma once

class CDocManager;
class CVespinDoc;
class QWidget;

// バックアップから開く: the generations of the open book (or of the book an open copy came
// from), and the one chosen opened as an untitled book whose caption names it.
void OnOpenBackupCommand(CVespinDoc& doc, CDocManager& manager, QWidget* parent);
// Whether there is a book whose generations the command can list.
bool OpenBackupCommandEnabled(const CVespinDoc& doc, const CDocManager& manager);
