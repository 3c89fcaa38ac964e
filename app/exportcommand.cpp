#include "app/exportcommand.h"

#include "dialogs/exportdlg.h"
#include "framework/fileerror.h"
#include "framework/qt/messagebox.h"
#include "model/vespindoc.h"
#include "output/csvexport.h"
#include "output/exportrules.h"

void OnExportMonthCommand(CVespinDoc& doc, QWidget* parent) {
    CExportDlg dlg(parent);
    dlg.m_pDoc = &doc;
    if (dlg.exec() != QDialog::Accepted) return;

    const ExportMonth& month = dlg.m_month;
    const ExportTarget target = dlg.Target();
    const auto [first, last] = doc.MonthRange(month.fiscalYear, month.month);
    const std::string path = ExportPath(target.folder, target.fileName);
    const CsvWriteResult r = WriteCsv(doc, first, last, month.calendarYear, month.month, path);
    if (!r) {
        VespinMessageBox(FileErrorText(r.cause, path), MsgKind::stop, parent);
        return;
    }
    VespinMessageBox(ExportCountMessage(r.count), MsgKind::ok, parent);
}
