#pragma once

#include <functional>

#include "platform/dataset/Dataset.h"
#include "platform/dataset/EventSubscriptions.h"

namespace vantir {

// Calls handler after every event that may change what the current record shows: the
// view opened or closed, another record current, a record inserted or cancelled, the
// rows read again (posts and deletes among them). Widgets showing the record follow it so.
inline void followRecordChanges(EventSubscriptions& subscriptions, Dataset& dataset,
                                const std::function<void()>& handler) {
    for (Event<>* event : {&dataset.afterOpen, &dataset.afterClose, &dataset.afterScroll,
                           &dataset.afterInsert, &dataset.afterCancel, &dataset.rowsChanged})
        subscriptions.add(*event, handler);
}

}  // namespace vantir
