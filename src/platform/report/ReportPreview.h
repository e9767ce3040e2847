#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/report/PageModel.h"

class QLabel;
class QPrintPreviewWidget;
class QPrinter;

namespace vantir {

class ReportCursor;
class ReportDefinition;

// The print preview every page report opens in: the pages as they will print, page
// navigation, zoom, "印刷" (the print dialog, then the printer) and "PDF保存" (the
// document as a PDF file). Its controls carry object names (btnPrint, btnFirst,
// btnPrior, btnNext, btnLast, btnZoomIn, btnZoomOut, btnFit, btnPdf, btnClose,
// lblPage) so tests find them.
class ReportPreview : public QWidget {
    Q_OBJECT

  public:
    explicit ReportPreview(PageModel model, QWidget* parent = nullptr);
    ~ReportPreview() override;

    // Lays the report out and shows its preview as a window that deletes itself when
    // closed. Throws what ReportLayout::run throws.
    static ReportPreview* open(const ReportDefinition& definition, ReportCursor& rows,
                               QWidget* parent = nullptr);
    // The preview of pages already laid out, shown the same way.
    static ReportPreview* open(PageModel model, QWidget* parent = nullptr);

    const PageModel& pageModel() const { return model_; }
    int pageCount() const { return int(model_.pages.size()); }
    int currentPage() const;  // from 1

    // Writes the document as a PDF file; throws ReportError.
    void savePdf(const QString& path) const;
    // How "PDF保存" asks for the file (a save dialog unless replaced); given the
    // suggested path, returns the chosen one or empty text to give up.
    void setPdfPathChooser(std::function<QString(const QString&)> chooser);

  public Q_SLOTS:
    void print();
    void showPage(int page);  // from 1; out-of-range pages go to the nearest
    void firstPage() { showPage(1); }
    void priorPage() { showPage(currentPage() - 1); }
    void nextPage() { showPage(currentPage() + 1); }
    void lastPage() { showPage(pageCount()); }
    void zoomIn();
    void zoomOut();
    void fitToWidth();
    void saveAsPdf();  // "PDF保存"

  private:
    void paintPages(QPrinter* printer);
    void updatePageLabel();

    PageModel model_;
    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* view_;
    QLabel* pageLabel_;
    std::function<QString(const QString&)> pdfPathChooser_;
};

}  // namespace vantir
