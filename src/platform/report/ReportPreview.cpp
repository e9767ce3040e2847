#include "platform/report/ReportPreview.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/report/DocumentPainter.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPdf.h"

namespace vantir {

namespace {

constexpr double kZoomStep = 1.25;

QPushButton* addButton(QHBoxLayout* bar, const char* objectName, const QString& caption,
                       QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setToolTip(caption);
    bar->addWidget(button);
    return button;
}

}  // namespace

ReportPreview::ReportPreview(PageModel model, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(std::move(model)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setWindowTitle(model_.title);
    printer_->setDocName(model_.title);
    printer_->setPageLayout(model_.pageSetup.pageLayout());

    auto* bar = new QHBoxLayout;
    connect(addButton(bar, "btnPrint", QStringLiteral("印刷"), this), &QPushButton::clicked, this,
            &ReportPreview::print);
    connect(addButton(bar, "btnFirst", QStringLiteral("先頭"), this), &QPushButton::clicked, this,
            &ReportPreview::firstPage);
    connect(addButton(bar, "btnPrior", QStringLiteral("前頁"), this), &QPushButton::clicked, this,
            &ReportPreview::priorPage);
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lblPage"));
    bar->addWidget(pageLabel_);
    connect(addButton(bar, "btnNext", QStringLiteral("次頁"), this), &QPushButton::clicked, this,
            &ReportPreview::nextPage);
    connect(addButton(bar, "btnLast", QStringLiteral("最後"), this), &QPushButton::clicked, this,
            &ReportPreview::lastPage);
    connect(addButton(bar, "btnZoomIn", QStringLiteral("拡大"), this), &QPushButton::clicked, this,
            &ReportPreview::zoomIn);
    connect(addButton(bar, "btnZoomOut", QStringLiteral("縮小"), this), &QPushButton::clicked, this,
            &ReportPreview::zoomOut);
    connect(addButton(bar, "btnFit", QStringLiteral("幅に合わせる"), this), &QPushButton::clicked,
            this, &ReportPreview::fitToWidth);
    connect(addButton(bar, "btnPdf", QStringLiteral("PDF保存"), this), &QPushButton::clicked, this,
            &ReportPreview::saveAsPdf);
    bar->addStretch();
    connect(addButton(bar, "btnClose", QStringLiteral("閉じる"), this), &QPushButton::clicked, this,
            &QWidget::close);

    view_ = new QPrintPreviewWidget(printer_.get(), this);
    view_->setObjectName(QStringLiteral("PreviewView"));
    view_->setViewMode(QPrintPreviewWidget::SinglePageView);
    view_->setZoomMode(QPrintPreviewWidget::FitToWidth);
    connect(view_, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::paintPages);
    connect(view_, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::updatePageLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    resize(900, 1000);

    pdfPathChooser_ = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("PDF保存"), suggested,
                                            QStringLiteral("PDF (*.pdf)"));
    };
    view_->updatePreview();
    updatePageLabel();
}

ReportPreview::~ReportPreview() = default;

ReportPreview* ReportPreview::open(const ReportDefinition& definition, ReportCursor& rows,
                                   QWidget* parent) {
    return open(ReportLayout::run(definition, rows), parent);
}

ReportPreview* ReportPreview::open(PageModel model, QWidget* parent) {
    auto* preview = new ReportPreview(std::move(model), parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    return preview;
}

int ReportPreview::currentPage() const { return view_->currentPage(); }

void ReportPreview::savePdf(const QString& path) const { ReportPdf::write(model_, path); }

void ReportPreview::setPdfPathChooser(std::function<QString(const QString&)> chooser) {
    pdfPathChooser_ = std::move(chooser);
}

void ReportPreview::print() {
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (!DocumentPainter::paint(model_, *printer_))
        QMessageBox::warning(this, QStringLiteral("印刷"),
                             QStringLiteral("印刷できませんでした。"));
}

void ReportPreview::showPage(int page) {
    view_->setCurrentPage(std::clamp(page, 1, std::max(1, pageCount())));
    updatePageLabel();
}

void ReportPreview::zoomIn() { view_->zoomIn(kZoomStep); }

void ReportPreview::zoomOut() { view_->zoomOut(kZoomStep); }

void ReportPreview::fitToWidth() { view_->fitToWidth(); }

void ReportPreview::saveAsPdf() {
    const QString suggested = QDir::home().filePath(model_.title + QStringLiteral(".pdf"));
    const QString path = pdfPathChooser_(suggested);
    if (path.isEmpty()) return;
    try {
        savePdf(path);
    } catch (const ReportError& error) {
        QMessageBox::warning(this, QStringLiteral("PDF保存"), error.message());
    }
}

void ReportPreview::paintPages(QPrinter* printer) { DocumentPainter::paint(model_, *printer); }

void ReportPreview::updatePageLabel() {
    pageLabel_->setText(QStringLiteral("%1 / %2").arg(currentPage()).arg(pageCount()));
}

}  // namespace vantir
