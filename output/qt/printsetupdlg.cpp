#include "output/qt/printsetupdlg.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "framework/qt/commontexts.h"
#include "framework/qt/japanese.h"
#include "output/qt/sheetpaint.h"
#include "output/qt/sheetprinter.h"

namespace {

// The papers offered; the sheet is designed for A4.
constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A4,    QPageSize::A3, QPageSize::JisB4,
                                             QPageSize::JisB5, QPageSize::A5, QPageSize::Letter,
                                             QPageSize::Legal};

}  // namespace

QString CPrintSetupDlg::PdfEntry() { return QStringLiteral("PDF ﾌｧｲﾙに出力"); }

CPrintSetupDlg::CPrintSetupDlg(QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer) {
    setObjectName(QStringLiteral("printSetup"));
    setWindowTitle(QStringLiteral("ﾌﾟﾘﾝﾀの設定"));

    auto* printerBox = new QGroupBox(QStringLiteral("ﾌﾟﾘﾝﾀ"), this);
    auto* printerForm = new QFormLayout(printerBox);
    m_comboPrinter = new QComboBox(printerBox);
    m_comboPrinter->setObjectName(QStringLiteral("printerCombo"));
    m_comboPrinter->addItems(QPrinterInfo::availablePrinterNames());
    m_comboPrinter->addItem(PdfEntry());
    printerForm->addRow(QStringLiteral("ﾌﾟﾘﾝﾀ名(&N):"), m_comboPrinter);
    auto* fileRow = new QHBoxLayout;
    m_editFile = new QLineEdit(printerBox);
    m_editFile->setObjectName(QStringLiteral("fileEdit"));
    m_btnBrowse = new QPushButton(QStringLiteral("参照(&B)..."), printerBox);
    fileRow->addWidget(m_editFile, 1);
    fileRow->addWidget(m_btnBrowse);
    // A row of several controls gets its label made here: only a label with a buddy takes
    // "&F" as its access key rather than showing it.
    auto* fileLabel = new QLabel(QStringLiteral("ﾌｧｲﾙ名(&F):"), printerBox);
    fileLabel->setBuddy(m_editFile);
    printerForm->addRow(fileLabel, fileRow);

    auto* paperBox = new QGroupBox(QStringLiteral("用紙"), this);
    auto* paperForm = new QFormLayout(paperBox);
    m_comboPaper = new QComboBox(paperBox);
    m_comboPaper->setObjectName(QStringLiteral("paperCombo"));
    for (QPageSize::PageSizeId id : kPapers) m_comboPaper->addItem(QPageSize::name(id), int(id));
    paperForm->addRow(QStringLiteral("ｻｲｽﾞ(&Z):"), m_comboPaper);

    auto* orientationBox = new QGroupBox(QStringLiteral("印刷の向き"), this);
    auto* orientationRow = new QHBoxLayout(orientationBox);
    m_radioPortrait = new QRadioButton(QStringLiteral("縦(&O)"), orientationBox);
    m_radioLandscape = new QRadioButton(QStringLiteral("横(&A)"), orientationBox);
    orientationRow->addWidget(m_radioPortrait);
    orientationRow->addWidget(m_radioLandscape);

    m_btnOk = new QPushButton(commontexts::Ok(), this);
    m_btnOk->setObjectName(QStringLiteral("okButton"));
    m_btnOk->setDefault(true);
    m_btnCancel = new QPushButton(commontexts::Cancel(), this);
    m_btnCancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_btnOk);
    buttons->addWidget(m_btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(paperBox);
    layout->addWidget(orientationBox);
    layout->addLayout(buttons);

    // What the printer holds now.
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    const int current = pdf ? -1 : m_comboPrinter->findText(printer.printerName());
    m_comboPrinter->setCurrentIndex(current >= 0 ? current : m_comboPrinter->count() - 1);
    m_editFile->setText(!printer.outputFileName().isEmpty()
                            ? printer.outputFileName()
                            : QDir::home().filePath(QStringLiteral("出勤表.pdf")));
    const int paper = m_comboPaper->findData(int(printer.pageLayout().pageSize().id()));
    m_comboPaper->setCurrentIndex(paper >= 0 ? paper : 0);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? m_radioLandscape
                                                                  : m_radioPortrait)
        ->setChecked(true);

    connect(m_comboPrinter, &QComboBox::currentIndexChanged, this, &CPrintSetupDlg::UpdateControls);
    connect(m_editFile, &QLineEdit::textChanged, this, &CPrintSetupDlg::UpdateControls);
    connect(m_btnBrowse, &QPushButton::clicked, this, [this] {
        QFileDialog dlg(this, commontexts::SaveAs(), m_editFile->text(),
                        QStringLiteral("PDF ﾌｧｲﾙ (*.pdf)"));
        UseJapaneseFileDialog(dlg);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setDefaultSuffix(QStringLiteral("pdf"));
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
            m_editFile->setText(dlg.selectedFiles().constFirst());
    });
    connect(m_btnOk, &QPushButton::clicked, this, &CPrintSetupDlg::accept);
    connect(m_btnCancel, &QPushButton::clicked, this, &CPrintSetupDlg::reject);
    UpdateControls();
}

bool CPrintSetupDlg::PdfChosen() const {
    return m_comboPrinter->currentIndex() == m_comboPrinter->count() - 1;
}

void CPrintSetupDlg::UpdateControls() {
    const bool pdf = PdfChosen();
    m_editFile->setEnabled(pdf);
    m_btnBrowse->setEnabled(pdf);
    m_btnOk->setEnabled(!pdf || !m_editFile->text().trimmed().isEmpty());
}

void CPrintSetupDlg::accept() {
    // The printer first: choosing one brings its own defaults, which the paper then overrides.
    if (PdfChosen()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(m_editFile->text().trimmed());
    } else {
        m_printer.setOutputFileName(QString());
        m_printer.setOutputFormat(QPrinter::NativeFormat);
        m_printer.setPrinterName(m_comboPrinter->currentText());
    }
    sheetprinting::SetUpSheetPrinter(m_printer);
    m_printer.setPageSize(
        QPageSize(static_cast<QPageSize::PageSizeId>(m_comboPaper->currentData().toInt())));
    m_printer.setPageOrientation(m_radioLandscape->isChecked() ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
    QDialog::accept();
}
