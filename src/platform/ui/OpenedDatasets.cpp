#include "platform/ui/OpenedDatasets.h"

#include <utility>

#include "platform/dataset/Dataset.h"

namespace vantir {

OpenedDatasets::~OpenedDatasets() { closeAll(); }

Dataset& OpenedDatasets::open(Dataset& dataset) {
    if (!dataset.isOpen()) dataset.open();
    if (!opened_.contains(&dataset)) opened_.append(&dataset);
    return dataset;
}

void OpenedDatasets::closeAll() {
    // Forget first: closing fires the datasets' events, and a listener may ask again.
    const QList<Dataset*> opened = std::exchange(opened_, {});
    for (auto it = opened.crbegin(); it != opened.crend(); ++it) (*it)->close();
}

bool OpenedDatasets::contains(const Dataset& dataset) const {
    return opened_.contains(const_cast<Dataset*>(&dataset));
}

}  // namespace vantir
