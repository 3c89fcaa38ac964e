#include "dialogs/folderreportdlg.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>
#include <numeric>
#include <utility>

#include "dialogs/folderchooser.h"
#include "framework/qt/messagebox.h"
#include "framework/qt/programfont.h"
#include "framework/qt/qtstrings.h"
#include "framework/savefile.h"
#include "model/checks.h"
#include "model/texts.h"
#include "model/vespindoc.h"

namespace {

constexpr int kColumns = static_cast<int>(std::size(texts::kReportColumns));

// Sorts by the number behind a cell (minutes, days) where it has one, else by its text.
class Item : public QTableWidgetItem {
public:
    Item(const QString& text, double key, bool numeric)
        : QTableWidgetItem(text), m_key(key), m_numeric(numeric) {}
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* o = dynamic_cast<const Item*>(&other);
        if (o && m_numeric && o->m_numeric) return m_key < o->m_key;
        return text() < other.text();
    }

private:
    double m_key;
    bool m_numeric;
};

// The number a column sorts by (-1 where the cell is empty); NaN-free. Most figures are of the
// month and exist only for a book that holds it, the year's ones for any book read.
struct SortColumn {
    int column;
    enum { ofMonth, ofRead, always } present;
    double (*key)(const monthreport::Row& r);
};
constexpr SortColumn kSortColumns[] = {
    {4, SortColumn::ofMonth, [](const monthreport::Row& r) -> double { return r.days; }},
    {5, SortColumn::ofMonth, [](const monthreport::Row& r) -> double { return r.figures.worked; }},
    {6, SortColumn::ofMonth,
     [](const monthreport::Row& r) -> double { return r.figures.Overtime(); }},
    {7, SortColumn::ofMonth,
     [](const monthreport::Row& r) -> double { return r.figures.legalHolidayWork; }},
    {8, SortColumn::ofMonth, [](const monthreport::Row& r) -> double { return r.figures.night; }},
    {9, SortColumn::ofMonth, [](const monthreport::Row& r) -> double { return r.figures.over60; }},
    {10, SortColumn::ofRead, [](const monthreport::Row& r) -> double { return r.total; }},
    {11, SortColumn::ofRead, [](const monthreport::Row& r) -> double { return r.maxAverage; }},
    {12, SortColumn::ofRead, [](const monthreport::Row& r) -> double { return r.monthsOver45; }},
    {14, SortColumn::always,
     [](const monthreport::Row& r) -> double { return r.leaveLeft ? *r.leaveLeft : -1; }},
};

bool SortKey(const monthreport::Row& r, int column, double& key) {
    for (const SortColumn& c : kSortColumns) {
        if (c.column != column) continue;
        const bool present = c.present == SortColumn::always ||
                             (r.read && (c.present == SortColumn::ofRead || r.monthInBook));
        key = present ? c.key(r) : -1;
        return true;
    }
    return false;
}

}  // namespace

CFolderReportDlg::CFolderReportDlg(std::string settingsPath, const QString& folder, int year,
                                   int month, QWidget* parent)
    : QDialog(parent), m_settingsPath(std::move(settingsPath)) {
    setObjectName(QStringLiteral("folderReport"));
    setWindowTitle(QStringLiteral("フォルダの集計"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setFont(ProgramFont());
    resize(1000, 560);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("フォルダ(&F):")));
    m_editFolder = new QLineEdit(folder);
    m_editFolder->setObjectName(QStringLiteral("folder"));
    top->addWidget(m_editFolder, 1);
    auto* browse = new QPushButton(QStringLiteral("参照(&B)..."));
    top->addWidget(browse);
    top->addWidget(new QLabel(QStringLiteral("賃金月(&M):")));
    m_spinYear = new QSpinBox;
    m_spinYear->setRange(CVespinDoc::kFirstYear, CVespinDoc::kLastYear + 1);
    m_spinYear->setValue(year);
    m_spinYear->setSuffix(QStringLiteral("年"));
    m_spinMonth = new QSpinBox;
    m_spinMonth->setRange(1, 12);
    m_spinMonth->setValue(month);
    m_spinMonth->setSuffix(QStringLiteral("月"));
    top->addWidget(m_spinYear);
    top->addWidget(m_spinMonth);
    top->addWidget(new QLabel(QStringLiteral("パスワード(&P):")));
    m_editPassword = new QLineEdit;
    m_editPassword->setEchoMode(QLineEdit::Password);
    m_editPassword->setMaximumWidth(120);
    top->addWidget(m_editPassword);
    m_btnRun = new QPushButton(QStringLiteral("集計(&R)"));
    m_btnRun->setDefault(true);
    top->addWidget(m_btnRun);

    m_table = new QTableWidget(0, kColumns);
    m_table->setObjectName(QStringLiteral("table"));
    QStringList headings;
    for (const Sjis& c : texts::kReportColumns) headings << ToQ(c);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);

    auto* bottom = new QHBoxLayout;
    m_progress = new QProgressBar;
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    bottom->addWidget(m_progress, 1);
    m_btnCancel = new QPushButton(QStringLiteral("中止(&C)"));
    m_btnCancel->setEnabled(false);
    bottom->addWidget(m_btnCancel);
    m_btnPrint = new QPushButton(QStringLiteral("印刷(&P)..."));
    m_btnSave = new QPushButton(QStringLiteral("CSVで保存(&S)..."));
    auto* close = new QPushButton(QStringLiteral("閉じる"));
    for (QPushButton* b : {m_btnPrint, m_btnSave}) b->setEnabled(false);
    bottom->addWidget(m_btnPrint);
    bottom->addWidget(m_btnSave);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &CFolderReportDlg::Poll);
    connect(m_btnRun, &QPushButton::clicked, this, &CFolderReportDlg::Start);
    connect(m_btnCancel, &QPushButton::clicked, this, &CFolderReportDlg::Cancel);
    connect(m_btnPrint, &QPushButton::clicked, this, &CFolderReportDlg::OnPrint);
    connect(m_btnSave, &QPushButton::clicked, this, &CFolderReportDlg::OnSave);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(browse, &QPushButton::clicked, this, [this] {
        CFolderChooser chooser(FromQ(QStringLiteral("集計するフォルダを選択して下さい。")),
                               PathFromQ(m_editFolder->text()), this);
        if (chooser.Browse()) m_editFolder->setText(PathToQ(chooser.GetPath()));
    });
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (QTableWidgetItem* item = m_table->item(row, 0))
            emit openBook(item->data(Qt::UserRole).toString());
    });
}

CFolderReportDlg::~CFolderReportDlg() {
    m_cancel = true;
    if (m_worker.joinable()) m_worker.join();
}

void CFolderReportDlg::closeEvent(QCloseEvent* e) {
    Cancel();
    if (m_worker.joinable()) m_worker.join();
    m_timer->stop();
    QDialog::closeEvent(e);
}

void CFolderReportDlg::Start() {
    if (m_worker.joinable()) return;
    m_folder = m_editFolder->text();
    m_month = {m_spinYear->value(), m_spinMonth->value()};
    m_rows.clear();
    m_table->setRowCount(0);
    m_done = 0;
    m_total = 0;
    m_cancel = false;
    m_over = false;
    monthreport::Options o;
    o.settingsPath = m_settingsPath;
    // A character no book can hold opens none (it would match the "?" stored in its place).
    if (!m_editPassword->text().isEmpty())
        o.password = TypedPassword(m_editPassword->text().toStdString());
    m_progress->setRange(0, 0);  // busy until the books are counted
    for (QPushButton* b : {m_btnRun, m_btnPrint, m_btnSave}) b->setEnabled(false);
    m_btnCancel->setEnabled(true);
    m_worker = std::thread([this, o, folder = PathFromQ(m_folder), month = m_month] {
        const std::vector<monthreport::Source> sources = monthreport::CollectBooks({folder});
        m_total = sources.size();
        m_rows = monthreport::ReadAll(sources, month, o, &m_done, &m_cancel);
        m_over = true;
    });
    m_timer->start();
}

void CFolderReportDlg::Cancel() { m_cancel = true; }

void CFolderReportDlg::Poll() {
    if (const size_t total = m_total; total > 0) {
        m_progress->setRange(0, static_cast<int>(total));
        m_progress->setValue(static_cast<int>(m_done.load()));
    }
    if (!m_over) return;
    m_timer->stop();
    m_worker.join();
    // After 中止 the rows of the books not read are left out.
    std::erase_if(m_rows,
                  [](const monthreport::Row& r) { return !r.read && r.error.Utf8().empty(); });
    m_progress->setRange(0, 1);
    m_progress->setValue(1);
    Fill();
    m_btnRun->setEnabled(true);
    m_btnCancel->setEnabled(false);
    for (QPushButton* b : {m_btnPrint, m_btnSave}) b->setEnabled(!m_rows.empty());
    emit finished();
}

void CFolderReportDlg::Fill() {
    m_table->setSortingEnabled(false);
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const monthreport::Row& r = m_rows[i];
        const std::vector<std::string> cells = monthreport::Cells(r);
        for (int c = 0; c < kColumns; ++c) {
            double key = 0;
            const bool numeric = SortKey(r, c, key);
            auto* item = new Item(
                c == 0 ? PathToQ(Utf8Path(r.path)) : ToQ(Sjis(cells[static_cast<size_t>(c)])), key,
                numeric);
            if (c == 0) {
                item->setData(Qt::UserRole, PathToQ(Utf8Path(r.path)));
                item->setData(Qt::UserRole + 1, static_cast<int>(i));
            }
            if (!r.findings.empty()) item->setForeground(Qt::red);
            if (numeric) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(static_cast<int>(i), c, item);
        }
    }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
}

QString CFolderReportDlg::Heading() const {
    return QStringLiteral("フォルダの集計　%1年%2月　%3")
        .arg(m_month.year)
        .arg(m_month.month, 2, 10, QLatin1Char('0'))
        .arg(m_folder);
}

int CFolderReportDlg::Paint(QPagedPaintDevice& device) const {
    QPainter p(&device);
    if (!p.isActive()) return 0;
    const QRect page = p.viewport();
    QFont font = ProgramFont(7);
    p.setFont(font);
    const int line = p.fontMetrics().height() * 13 / 10;
    // Each column's share of the width, the path and the findings the widest.
    static const int shares[kColumns] = {14, 5, 7, 8, 4, 5, 5, 5, 4, 5, 5, 5, 4, 16, 4, 5, 6};
    int sum = 0;
    for (int s : shares) sum += s;
    std::vector<int> x(kColumns + 1, page.left());
    for (int c = 0; c < kColumns; ++c) x[c + 1] = x[c] + page.width() * shares[c] / sum;
    const int rowsPerPage = std::max(1, (page.height() - 3 * line) / line);
    // In the order the table shows.
    std::vector<int> order(static_cast<size_t>(m_table->rowCount()));
    std::iota(order.begin(), order.end(), 0);
    const int pages = std::max(1, static_cast<int>((order.size() + rowsPerPage - 1) / rowsPerPage));
    auto cell = [&](int c, int y, const QString& text) {
        p.drawText(QRect(x[c] + 2, y, x[c + 1] - x[c] - 4, line), Qt::AlignVCenter | Qt::AlignLeft,
                   p.fontMetrics().elidedText(text, Qt::ElideMiddle, x[c + 1] - x[c] - 4));
    };
    for (int pg = 0; pg < pages; ++pg) {
        if (pg > 0) device.newPage();
        int y = page.top();
        p.setPen(Qt::black);
        p.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignVCenter | Qt::AlignLeft,
                   Heading());
        p.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignVCenter | Qt::AlignRight,
                   QStringLiteral("%1 / %2").arg(pg + 1).arg(pages));
        y += line * 3 / 2;
        for (int c = 0; c < kColumns; ++c) cell(c, y, m_table->horizontalHeaderItem(c)->text());
        p.drawLine(page.left(), y + line, page.right(), y + line);
        y += line;
        for (int k = pg * rowsPerPage;
             k < std::min<int>((pg + 1) * rowsPerPage, static_cast<int>(order.size())); ++k) {
            for (int c = 0; c < kColumns; ++c) {
                const QTableWidgetItem* item = m_table->item(order[static_cast<size_t>(k)], c);
                p.setPen(item ? item->foreground().color() : QColor(Qt::black));
                cell(c, y, item ? item->text() : QString());
            }
            y += line;
        }
    }
    return pages;
}

void CFolderReportDlg::OnPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    Paint(printer);
}

bool CFolderReportDlg::SaveCsv(const QString& path) {
    // In the order the table shows.
    std::vector<monthreport::Row> rows;
    rows.reserve(static_cast<size_t>(m_table->rowCount()));
    for (int i = 0; i < m_table->rowCount(); ++i)
        rows.push_back(
            m_rows[static_cast<size_t>(m_table->item(i, 0)->data(Qt::UserRole + 1).toInt())]);
    const SaveResult s = SaveFileAtomic(PathFromQ(path), monthreport::Csv(rows));
    if (!s) VespinMessageBox(FileErrorText(s.cause, PathFromQ(path)), MsgKind::ok, this);
    return static_cast<bool>(s);
}

void CFolderReportDlg::OnSave() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("CSVで保存"),
        QStringLiteral("%1-%2.csv").arg(m_month.year).arg(m_month.month, 2, 10, QLatin1Char('0')),
        QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) SaveCsv(path);
}
