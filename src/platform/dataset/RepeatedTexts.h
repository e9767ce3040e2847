#pragma once

#include <QString>
#include <QVariant>
#include <vector>

#include "platform/text/ByUtf8Bytes.h"

namespace vantir {

class Statement;

// The values of a statement's rows as a view holds them, with each text a column has
// already shown handed out again instead of decoded anew: a month of slips repeats
// the same few thousand names, places and dates, and sharing them spares a string and
// its decoding for most values of a large list. A column with many different texts
// (the slip numbers) stops being remembered and is decoded value by value.
class RepeatedTexts {
  public:
    explicit RepeatedTexts(int columnCount) : columns_(size_t(columnCount)) {}

    // The value of the current row's column, as Statement::value gives it.
    QVariant value(const Statement& statement, int column);

  private:
    struct Column {
        ByUtf8Bytes<QString> texts;
        bool tooMany = false;
    };
    std::vector<Column> columns_;
};

}  // namespace vantir
