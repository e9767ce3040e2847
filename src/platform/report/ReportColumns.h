#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace vantir {

// The column names of a report's rows, found without regard to case as the datasets
// find theirs. Shared by every row of one cursor.
class ReportColumns {
  public:
    explicit ReportColumns(const QStringList& names);

    const QStringList& names() const { return names_; }
    int count() const { return names_.size(); }
    int indexOf(const QString& name) const;  // -1 when unknown

  private:
    QStringList names_;
    QHash<QString, int> index_;  // upper-case name -> position
};

}  // namespace vantir
