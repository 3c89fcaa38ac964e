#pragma once

#include <QDialog>

class CVespinDoc;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

// The print preview of the monthly sheet: the page as the printer draws it, under a bar with
// 印刷, the page buttons, the one/two-page toggle, zoom and 閉じる. It opens over the main
// window and closes back to it.
class CSheetPreviewDlg : public QDialog {
    Q_OBJECT
public:
    // exec() returns this when 印刷 was pressed: the caller then runs the print command.
    static constexpr int kPrintRequested = 2;
    // Zoom steps: the whole page, the page's width, twice that.
    static constexpr int kZoomSteps = 3;

    CSheetPreviewDlg(QPrinter& printer, const CVespinDoc& doc, QWidget* parent = nullptr);

    QPrintPreviewWidget* Preview() const { return m_wndPreview; }
    int ZoomState() const { return m_nZoomState; }

    QPushButton* m_btnPrint;
    QPushButton* m_btnNext;
    QPushButton* m_btnPrev;
    QPushButton* m_btnPages;
    QPushButton* m_btnZoomIn;
    QPushButton* m_btnZoomOut;
    QPushButton* m_btnClose;

private:
    void OnNextPage();
    void OnPrevPage();
    void OnTogglePages();
    void Zoom(int step);
    void UpdateButtons();

    QPrintPreviewWidget* m_wndPreview;
    int m_nZoomState = 0;
    bool m_bTwoPages = false;
};
