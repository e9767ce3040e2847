#pragma once

#include <QString>

namespace vantir {

// What the user is told when a text that must be a whole number is not (a partner code the
// partner master cannot fill, a day of the set date, a stored slip number):
// "'%s' は整数ではありません" with the text in place of %s.
QString notAnIntegerMessage(const QString& text);

}  // namespace vantir
