#pragma once

#include "platform/dataset/Dataset.h"

namespace vantir {

// Whether a rule has a record to write into: the one being edited or inserted, or the
// current row of an open view. A default, a number or a looked-up name must not start a
// record of its own accord on an empty form.
inline bool hasRecord(const Dataset& record) {
    return record.isOpen() && (record.isEditing() || record.recNo() >= 0);
}

}  // namespace vantir
