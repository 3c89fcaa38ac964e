#pragma once

#include <QDialog>
#include <QString>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "model/monthreport.h"

class QLineEdit;
class QPagedPaintDevice;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

// フォルダの集計: one wage month of every book in a folder, read on every core while the window
// stays responsive (a progress bar with 中止). The table sorts by any column; a row with findings
// of the 36協定 is red; double-clicking a row asks for its book to be opened (openBook). It
// prints on A4 landscape, the heading on every page, and saves as CSV.
class CFolderReportDlg : public QDialog {
    Q_OBJECT
public:
    // settingsPath: the settings file the program read; folder and month to start with.
    CFolderReportDlg(std::string settingsPath, const QString& folder, int year, int month,
                     QWidget* parent = nullptr);
    ~CFolderReportDlg() override;

    // 集計: reads the folder for the month in the fields; finished() when done or cancelled.
    void Start();
    void Cancel();
    bool Running() const { return m_worker.joinable(); }
    // Writes the table as CSV; the program's message when it cannot.
    bool SaveCsv(const QString& path);
    // Paints the table on pages of the device, the heading on each; the number of pages.
    int Paint(QPagedPaintDevice& device) const;

    const std::vector<monthreport::Row>& Rows() const { return m_rows; }

    QLineEdit* m_editFolder = nullptr;
    QSpinBox* m_spinYear = nullptr;
    QSpinBox* m_spinMonth = nullptr;
    QLineEdit* m_editPassword = nullptr;
    QPushButton* m_btnRun = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnPrint = nullptr;
    QPushButton* m_btnSave = nullptr;
    QProgressBar* m_progress = nullptr;
    QTableWidget* m_table = nullptr;

signals:
    void openBook(const QString& path);
    void finished();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Poll();
    void Fill();
    void OnPrint();
    void OnSave();
    QString Heading() const;

    std::string m_settingsPath;
    monthreport::Month m_month;
    QString m_folder;
    std::thread m_worker;
    std::atomic<size_t> m_done{0}, m_total{0};
    std::atomic<bool> m_cancel{false}, m_over{false};
    std::vector<monthreport::Row> m_rows;  // written by the worker until m_over
    QTimer* m_timer = nullptr;
};
