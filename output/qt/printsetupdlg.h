#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

// ﾌﾟﾘﾝﾀの設定: the printer (or a PDF file), the paper and the orientation of the application's
// printer, which printing and the preview then use.
class CPrintSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPrintSetupDlg(QPrinter& printer, QWidget* parent = nullptr);

    // The entry of m_comboPrinter that writes a PDF file instead of printing.
    static QString PdfEntry();

    QComboBox* m_comboPrinter;
    QLineEdit* m_editFile;
    QPushButton* m_btnBrowse;
    QComboBox* m_comboPaper;
    QRadioButton* m_radioPortrait;
    QRadioButton* m_radioLandscape;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;

    void accept() override;

private:
    bool PdfChosen() const;
    void UpdateControls();

    QPrinter& m_printer;
};
