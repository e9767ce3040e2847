#include "slips/screens/SlipSearchDialog.h"

#include <QVBoxLayout>

#include "platform/dataset/QueryDataset.h"

namespace vantir {

SlipSearchDialog::SlipSearchDialog(DataModule1& data, Messages& messages, QWidget* parent)
    : SearchDialog(messages, parent), rules_(data) {
    setObjectName(QStringLiteral("SlipSearch"));
    setWindowTitle(QStringLiteral("配車票検索"));
    auto* layout = new QVBoxLayout(this);
    addList(*layout, rules_.query(),
            {{QStringLiteral("HYMD"), QStringLiteral("配送日付")},
             {QStringLiteral("THYMD"), QStringLiteral("降し日")},
             {QStringLiteral("SHBAN"), QStringLiteral("車番")},
             {QStringLiteral("KNAME"), QStringLiteral("得意先名")},
             {QStringLiteral("HATTI"), QStringLiteral("発　地")},
             {QStringLiteral("THTTI"), QStringLiteral("着　地")},
             {QStringLiteral("YNAME"), QStringLiteral("傭車先名")}});
}

}  // namespace vantir
