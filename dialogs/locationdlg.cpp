#include "dialogs/locationdlg.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "framework/qt/qtstrings.h"
#include "model/texts.h"
#include "model/vespindoc.h"

CLocationDlg::CLocationDlg(QWidget* parent) : CVespinDialog(parent) {
    const DialogUnits du =
        SetUpTemplate(QStringLiteral("CLocationDlg"), QStringLiteral("勤務地の選択"), 177, 139);

    // Template order is the tab order: OK, Cancel, the list.
    AddOkCancel(du, {33, 118}, {94, 118});
    AddLabel(du, QStringLiteral("勤務地を選択して下さい。(複数選択 可)"), {26, 14, 127, 8});

    m_listPlaces = new QListWidget(this);
    m_listPlaces->setObjectName(QStringLiteral("placeList"));
    m_listPlaces->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listPlaces->setSortingEnabled(false);
    du.Place(m_listPlaces, 37, 30, 101, 78);

    connect(m_listPlaces, &QListWidget::itemDoubleClicked, this, &CLocationDlg::OnDblClkPlaces);
}

void CLocationDlg::OnInitDialog() {
    if (m_pDoc)
        for (const std::string& place : m_pDoc->Settings().m_astrPlaces)
            m_listPlaces->addItem(ToQ(Sjis(place)));
    // Nothing is preselected, and Enter right away accepts the empty choice.
    m_listPlaces->clearSelection();
    m_listPlaces->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    m_btnOk->setFocus();
}

void CLocationDlg::accept() {
    // List order, not the order of clicking.
    std::vector<int> rows;
    for (const QModelIndex& index : m_listPlaces->selectionModel()->selectedIndexes())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::string result;
    bool first = true;
    for (const int row : rows) {
        // The stored bytes, not a round trip through the widget's text.
        const size_t k = static_cast<size_t>(row);
        if (!m_pDoc || k >= m_pDoc->Settings().m_astrPlaces.size()) continue;
        if (!first) result += texts::kPlaceSeparator;
        result += m_pDoc->Settings().m_astrPlaces[k];
        first = false;
    }
    m_strResult = result;
    QDialog::accept();
}

void CLocationDlg::OnDblClkPlaces(QListWidgetItem* item) {
    // The click has already selected the entry (alone unless Shift or Ctrl was held).
    if (item) accept();
}
