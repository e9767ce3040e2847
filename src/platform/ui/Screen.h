#pragma once

#include <QWidget>

#include "platform/ui/OpenedDatasets.h"

namespace vantir {

class Dataset;
class KeyHandler;
class Messages;

// A modeless screen opened by the main menu. Closing it (its close button, or the
// frame's) hides it and closes the datasets it opened; the menu destroys it later, when
// the next command releases it. The screen's keys are configured on keys().
class Screen : public QWidget {
    Q_OBJECT

  public:
    explicit Screen(Messages& messages, QWidget* parent = nullptr);
    ~Screen() override;

    Messages& messages() const { return messages_; }
    KeyHandler& keys() const { return *keys_; }

    // Opens the dataset (throws DbError) and remembers it for closing with the screen.
    Dataset& openDataset(Dataset& dataset) { return opened_.open(dataset); }
    void closeDatasets() { opened_.closeAll(); }

  Q_SIGNALS:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Messages& messages_;
    KeyHandler* keys_;
    OpenedDatasets opened_;
};

}  // namespace vantir
