#include "output/qt/exportcommand.h"

#include "framework/fileerror.h"
#include "framework/qt/messagebox.h"
#include "model/vespindoc.h"
#include "output/exportrules.h"
#include "output/qt/exportdlg.h"

void OnExportMonthCommand(CVespinDoc& doc, QWidget* parent) {
    CExportDlg dlg(parent);
    dlg.m_pDoc = &doc;
    if (dlg.exec() != QDialog::Accepted) return;

    const int fiscalYear = dlg.m_nMonth <= 3 ? dlg.m_nYear - 1 : dlg.m_nYear;
    doc.CalcMonthRange(fiscalYear, dlg.m_nMonth);
    const std::string path = ExportPath(dlg.m_strFolder, dlg.m_strFileName);
    const CsvWriteResult r = dlg.WriteCsv(doc.m_nRangeFirst, doc.m_nRangeLast, path);
    if (!r) {
        VespinMessageBox(FileErrorText(r.cause, path), MsgKind::stop, parent);
        return;
    }
    VespinMessageBox(ExportCountMessage(r.count), MsgKind::ok, parent);
}
