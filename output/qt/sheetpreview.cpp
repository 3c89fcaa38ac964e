#include "output/qt/sheetpreview.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "model/vespindoc.h"
#include "output/qt/sheetpaint.h"

namespace {
// The page-count button names the view it switches to.
QString PagesText(bool twoPagesShown) {
    return twoPagesShown ? QStringLiteral("1 ﾍﾟｰｼﾞ(&T)") : QStringLiteral("2 ﾍﾟｰｼﾞ(&T)");
}
}  // namespace

CSheetPreviewDlg::CSheetPreviewDlg(QPrinter& printer, const CVespinDoc& doc, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("printPreview"));
    setWindowTitle(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    auto* bar = new QHBoxLayout;
    auto button = [this, bar](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    m_btnPrint = button(QStringLiteral("印刷(&P)..."), "printButton");
    m_btnNext = button(QStringLiteral("次ﾍﾟｰｼﾞ(&N)"), "nextButton");
    m_btnPrev = button(QStringLiteral("前ﾍﾟｰｼﾞ(&V)"), "prevButton");
    m_btnPages = button(PagesText(false), "pagesButton");
    m_btnZoomIn = button(QStringLiteral("拡大(&I)"), "zoomInButton");
    m_btnZoomOut = button(QStringLiteral("縮小(&O)"), "zoomOutButton");
    m_btnClose = button(QStringLiteral("閉じる(&C)"), "closeButton");
    bar->addStretch(1);

    m_wndPreview = new QPrintPreviewWidget(&printer, this);
    m_wndPreview->setObjectName(QStringLiteral("previewPage"));
    connect(m_wndPreview, &QPrintPreviewWidget::paintRequested, this, [&doc](QPrinter* p) {
        QPainter painter;
        if (painter.begin(p))
            PaintSheet(painter, p->resolution(), doc, doc.SelYear(), doc.SelMonth());
    });
    connect(m_wndPreview, &QPrintPreviewWidget::previewChanged, this,
            &CSheetPreviewDlg::UpdateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(m_wndPreview, 1);

    connect(m_btnPrint, &QPushButton::clicked, this, [this] { done(kPrintRequested); });
    connect(m_btnNext, &QPushButton::clicked, this, &CSheetPreviewDlg::OnNextPage);
    connect(m_btnPrev, &QPushButton::clicked, this, &CSheetPreviewDlg::OnPrevPage);
    connect(m_btnPages, &QPushButton::clicked, this, &CSheetPreviewDlg::OnTogglePages);
    connect(m_btnZoomIn, &QPushButton::clicked, this, [this] { Zoom(+1); });
    connect(m_btnZoomOut, &QPushButton::clicked, this, [this] { Zoom(-1); });
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);

    // Over the main window, so that the sheet can be read; a screen's worth without one.
    const QWidget* over = parent ? parent->window() : nullptr;
    if (over && over->isVisible()) {
        setGeometry(over->geometry());
    } else if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        resize(area.size() * 9 / 10);
        move(area.center() - rect().center());
    }
    m_wndPreview->updatePreview();
    Zoom(0);
}

void CSheetPreviewDlg::OnNextPage() {
    m_wndPreview->setCurrentPage(m_wndPreview->currentPage() + (m_bTwoPages ? 2 : 1));
    UpdateButtons();
}

void CSheetPreviewDlg::OnPrevPage() {
    m_wndPreview->setCurrentPage(m_wndPreview->currentPage() - (m_bTwoPages ? 2 : 1));
    UpdateButtons();
}

void CSheetPreviewDlg::OnTogglePages() {
    m_bTwoPages = !m_bTwoPages;
    m_wndPreview->setViewMode(m_bTwoPages ? QPrintPreviewWidget::FacingPagesView
                                          : QPrintPreviewWidget::SinglePageView);
    m_btnPages->setText(PagesText(m_bTwoPages));
    UpdateButtons();
}

void CSheetPreviewDlg::Zoom(int step) {
    m_nZoomState = std::clamp(m_nZoomState + step, 0, kZoomSteps - 1);
    if (m_nZoomState == 0) {
        m_wndPreview->fitInView();
    } else {
        m_wndPreview->fitToWidth();
        if (m_nZoomState == 2) m_wndPreview->setZoomFactor(m_wndPreview->zoomFactor() * 2);
    }
    UpdateButtons();
}

void CSheetPreviewDlg::UpdateButtons() {
    const int pages = m_wndPreview->pageCount();
    const int page = m_wndPreview->currentPage();
    const int shown = m_bTwoPages ? 2 : 1;
    m_btnNext->setEnabled(page + shown <= pages);
    m_btnPrev->setEnabled(page > 1);
    // Two pages side by side only when there is a second page, and only for the whole page.
    m_btnPages->setEnabled(pages > 1 && m_nZoomState == 0);
    m_btnZoomIn->setEnabled(m_nZoomState < kZoomSteps - 1);
    m_btnZoomOut->setEnabled(m_nZoomState > 0);
}
