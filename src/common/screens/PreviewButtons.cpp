#include "common/screens/PreviewButtons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <optional>

#include "common/printing/PrintError.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Screen.h"

namespace vantir {

PreviewButtons::PreviewButtons(Screen& screen,
                               std::function<std::optional<PageModel>()> layOut)
    : screen_(screen), layOut_(std::move(layOut)) {}

QHBoxLayout* PreviewButtons::makeButtons(const QString& printCaption, const QString& closeCaption) {
    print_ = new QPushButton(printCaption, &screen_);
    print_->setObjectName(QStringLiteral("btnPrint"));
    QObject::connect(print_, &QPushButton::clicked, &screen_,
                     [this] { screen_.runCommand([this] { return print(); }); });
    close_ = new QPushButton(closeCaption, &screen_);
    close_->setObjectName(QStringLiteral("btnClose"));
    QObject::connect(close_, &QPushButton::clicked, &screen_, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_);
    buttons->addWidget(close_);
    // The preview opened for the dialog goes when the dialog is closed.
    QObject::connect(&screen_, &Screen::closed, &screen_, [this] {
        if (preview_) preview_->close();
    });
    return buttons;
}

Result PreviewButtons::print() {
    if (preview_) preview_->close();
    std::optional<PageModel> pages;
    try {
        pages = layOut_();
    } catch (const PrintError& refusal) {
        return Result::notice(refusal.message());
    } catch (const ReportError& error) {
        return Result::failure(error.message());
    }
    if (!pages) return Result::success();
    preview_ = new ReportPreview(std::move(*pages), &screen_);
    preview_->setWindowFlag(Qt::Window);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->show();
    return Result::success();
}

}  // namespace vantir
