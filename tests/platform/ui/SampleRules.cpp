#include "SampleRules.h"

#include "platform/dataset/Dataset.h"

namespace vantir::test {

Leave SampleRules::leaveCode() const {
    return sample_.text(QStringLiteral("CODE")).isEmpty() ? Leave::Stay : Leave::Go;
}

void SampleRules::enterQuantity() {
    if (sample_.isNull(QStringLiteral("QTY"))) sample_.setValue(QStringLiteral("QTY"), 1);
}

Result SampleRules::checkBeforePost() const {
    if (!sample_.text(QStringLiteral("NAME")).isEmpty()) return Result::success();
    return Result::failure(nameRequired(), QStringLiteral("NAME"));
}

const QString& SampleRules::nameRequired() {
    static const QString message = QStringLiteral("名前を入力して下さい。");
    return message;
}

}  // namespace vantir::test
