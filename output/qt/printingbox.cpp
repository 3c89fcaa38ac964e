#include "output/qt/printingbox.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "framework/qt/commontexts.h"

CPrintingBox::CPrintingBox(const QString& document, const QString& printer, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("printingBox"));
    setWindowTitle(QStringLiteral("印刷中"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    m_wndDocument = new QLabel(document, this);
    m_wndPrinter = new QLabel(printer, this);
    m_btnCancel = new QPushButton(commontexts::Cancel(), this);
    m_btnCancel->setObjectName(QStringLiteral("cancelButton"));
    for (QLabel* label : {m_wndDocument, m_wndPrinter}) {
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 48);
        layout->addWidget(label);
    }
    layout->addWidget(m_btnCancel, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_btnCancel, &QPushButton::clicked, this, &CPrintingBox::reject);
}

void CPrintingBox::reject() {
    m_bCancelled = true;
    hide();
    if (m_pLoop) m_pLoop->quit();
}

bool CPrintingBox::ShowAndWait() {
    show();
    QEventLoop loop;
    m_pLoop = &loop;
    QTimer::singleShot(kShowMs, &loop, &QEventLoop::quit);
    if (!m_bCancelled) loop.exec();
    m_pLoop = nullptr;
    return !m_bCancelled;
}
