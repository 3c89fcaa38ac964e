#pragma once

#include <QDialog>
#include <vector>

#include "model/backuplist.h"

class QTreeWidget;

// バックアップから開く: the kept generations of a book, newest first, with when each was kept,
// its size, its registered years and its last entered day. Open (or a double click) chooses.
class CBackupDlg : public QDialog {
    Q_OBJECT
public:
    CBackupDlg(const std::vector<GenerationInfo>& generations, const QString& book,
               QWidget* parent = nullptr);

    // The row chosen, an index into the generations; -1 when none.
    int Selected() const;
    QTreeWidget* List() const { return m_list; }

    // "1998〜2000年度、2005年度": runs of consecutive years joined.
    static QString YearsText(std::vector<int> years);

private:
    QTreeWidget* m_list = nullptr;
};
