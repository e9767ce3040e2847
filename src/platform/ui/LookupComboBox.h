#pragma once

#include <QComboBox>

#include "platform/dataset/EventSubscriptions.h"

namespace vantir {

class Dataset;
class Messages;

// A drop-down bound to one column of a dataset, offering the rows of a list: it shows
// the list's name column and stores its code column. The code lists of FLG_DATA
// (f_siteF, f_YokinF, f_SeikyuK: FNAME shown, FDATA stored) and the branch and staff
// masters (HIMAS1: TENMEI for TENCOD, HIMAS2: TANMEI for TANCOD) are such lists.
// A value the list does not hold shows an empty box.
class LookupComboBox : public QComboBox {
    Q_OBJECT

  public:
    LookupComboBox(Dataset& dataset, QString column, Dataset& list, QString codeColumn,
                   QString nameColumn, Messages& messages, QWidget* parent = nullptr);
    ~LookupComboBox() override;

    Dataset& dataset() const { return dataset_; }
    const QString& column() const { return column_; }
    // The code of the shown item; empty when none is shown.
    QString currentCode() const;
    // Reads the list's rows again (the list is opened and closed by the screen).
    void reloadItems();
    // Shows the item of the dataset's current value.
    void refresh();

  private:
    void choose(int index);

    Dataset& dataset_;
    QString column_;
    Dataset& list_;
    QString codeColumn_;
    QString nameColumn_;
    Messages& messages_;
    bool writing_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
