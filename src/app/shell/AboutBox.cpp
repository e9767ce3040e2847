#include "app/shell/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/shell/ApplicationInfo.h"

namespace vantir {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(ApplicationInfo::title(), this);
    title->setObjectName(QStringLiteral("ProductName"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    title->setFont(font);
    layout->addWidget(title);
    auto* version =
        new QLabel(QStringLiteral("バージョン %1").arg(ApplicationInfo::version()), this);
    version->setObjectName(QStringLiteral("Version"));
    layout->addWidget(version);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace vantir
