#pragma once

#include <QDialog>

class QEventLoop;
class QLabel;
class QPushButton;

// "印刷中": shown while a print job is sent, with the document, the printer and a Cancel
// button. The job looks at Cancelled() before it sends the page.
class CPrintingBox : public QDialog {
    Q_OBJECT
public:
    // How long the box stays up before the page goes, so that it can be read and cancelled.
    static constexpr int kShowMs = 300;

    CPrintingBox(const QString& document, const QString& printer, QWidget* parent = nullptr);

    // Shows the box and lets the user see it for kShowMs. False when Cancel was pressed.
    bool ShowAndWait();
    bool Cancelled() const { return m_bCancelled; }

    QLabel* m_wndDocument;
    QLabel* m_wndPrinter;
    QPushButton* m_btnCancel;

protected:
    void reject() override;

private:
    bool m_bCancelled = false;
    QEventLoop* m_pLoop = nullptr;
};
