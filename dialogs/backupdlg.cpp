#include "dialogs/backupdlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/dialogunits.h"
#include "framework/qt/commontexts.h"
#include "framework/qt/qtstrings.h"

QString CBackupDlg::YearsText(std::vector<int> years) {
    std::sort(years.begin(), years.end());
    QStringList runs;
    for (size_t i = 0; i < years.size();) {
        size_t j = i;
        while (j + 1 < years.size() && years[j + 1] == years[j] + 1) ++j;
        runs << (j == i ? QStringLiteral("%1年度").arg(years[i])
                        : QStringLiteral("%1〜%2年度").arg(years[i]).arg(years[j]));
        i = j + 1;
    }
    return runs.join(QStringLiteral("、"));
}

CBackupDlg::CBackupDlg(const std::vector<GenerationInfo>& generations, const QString& book,
                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("backupDlg"));
    setWindowTitle(QStringLiteral("バックアップから開く"));
    setFont(DialogFont(11));

    auto* label = new QLabel(
        QStringLiteral("%1 の以前の内容です。開いたﾌｧｲﾙは無題となります。").arg(book), this);
    label->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("backupList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("日時"), QStringLiteral("サイズ"),
                             QStringLiteral("登録年度"), QStringLiteral("最終入力日")});
    const QLocale locale(QLocale::Japanese, QLocale::Japan);
    for (const GenerationInfo& g : generations) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::fromStdString(GenerationTime(g.generation.time)));
        item->setText(1, locale.toString(static_cast<qulonglong>(g.generation.size)) +
                             QStringLiteral(" バイト"));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (!g.readable) {
            item->setText(2, QStringLiteral("(読み込めません)"));
        } else {
            item->setText(2, YearsText(g.years));
            if (g.lastYear)
                item->setText(
                    3, QString::asprintf("%04d/%02d/%02d", g.lastYear, g.lastMonth, g.lastDay));
        }
        item->setToolTip(0, PathToQ(Utf8Path(g.generation.path)));
    }
    for (int c = 0; c < m_list->columnCount(); ++c) m_list->resizeColumnToContents(c);
    if (m_list->topLevelItemCount() > 0) m_list->setCurrentItem(m_list->topLevelItem(0));
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(commontexts::Open(), QDialogButtonBox::AcceptRole);
    open->setObjectName(QStringLiteral("okButton"));
    open->setDefault(true);
    buttons->addButton(commontexts::Cancel(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(DialogUnits(font()).Size(300, 180));
}

int CBackupDlg::Selected() const {
    QTreeWidgetItem* item = m_list->currentItem();
    return item ? m_list->indexOfTopLevelItem(item) : -1;
}
