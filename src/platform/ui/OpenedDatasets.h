#pragma once

#include <QList>

namespace vantir {

class Dataset;

// The datasets a screen opened, so that closing the screen closes exactly those. The
// views are shared by every screen; a screen that opens one is the one that closes it.
class OpenedDatasets {
  public:
    OpenedDatasets() = default;
    ~OpenedDatasets();
    OpenedDatasets(const OpenedDatasets&) = delete;
    OpenedDatasets& operator=(const OpenedDatasets&) = delete;

    // Opens the dataset when it is closed (throws DbError) and remembers it either way:
    // a view the screen relies on is closed with the screen, as every screen expects.
    Dataset& open(Dataset& dataset);
    // Closes every remembered dataset, the last opened first, and forgets them.
    void closeAll();
    bool contains(const Dataset& dataset) const;

  private:
    QList<Dataset*> opened_;
};

}  // namespace vantir
