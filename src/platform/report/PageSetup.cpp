#include "platform/report/PageSetup.h"

#include <QPageSize>

namespace vantir {

namespace {
const QSizeF kA4(210.0, 297.0);
const QSizeF kContinuousForm(240.0, 279.4);
}  // namespace

PageSetup PageSetup::a4(PageOrientation orientation, PageMargins margins) {
    return PageSetup(kA4, orientation, margins);
}

PageSetup PageSetup::continuousForm(PageMargins margins) {
    return PageSetup(kContinuousForm, PageOrientation::Portrait, margins);
}

PageSetup::PageSetup(QSizeF paperSize, PageOrientation orientation, PageMargins margins)
    : paperSize_(paperSize), orientation_(orientation), margins_(margins) {}

bool PageSetup::isContinuousForm() const { return paperSize_ == kContinuousForm; }

QSizeF PageSetup::pageSize() const {
    return orientation_ == PageOrientation::Landscape ? paperSize_.transposed() : paperSize_;
}

QRectF PageSetup::bodyRect() const {
    const QSizeF page = pageSize();
    return QRectF(margins_.left, margins_.top, page.width() - margins_.left - margins_.right,
                  page.height() - margins_.top - margins_.bottom);
}

QPageLayout PageSetup::pageLayout() const {
    const QPageSize size = paperSize_ == kA4 ? QPageSize(QPageSize::A4)
                                             : QPageSize(paperSize_, QPageSize::Millimeter,
                                                         QStringLiteral("連続用紙 %1×%2mm")
                                                             .arg(paperSize_.width())
                                                             .arg(paperSize_.height()),
                                                         QPageSize::ExactMatch);
    QPageLayout layout(
        size,
        orientation_ == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

}  // namespace vantir
