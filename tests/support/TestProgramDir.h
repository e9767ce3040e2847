#pragma once

#include <QStringList>
#include <QTemporaryDir>

namespace vantir::test {

// A temporary program directory, removed with the object. Fresh: DataBase/VANTIR.mdb with
// the fresh content and DataBase/VANTIRX.mdb a byte copy of it, as after a start. Empty:
// only the folder, for tests that make the files themselves.
class TestProgramDir {
  public:
    enum class Content { Fresh, Empty };

    explicit TestProgramDir(Content content = Content::Fresh);

    QString path() const { return dir_.path(); }
    QString mainDatabase() const;
    QString workingCopy() const;
    // A path inside the program directory ("VantirTenSet.ini").
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Runs statements on the main database through a connection of its own, to tailor it
    // (drop a table, remove a column) before the data modules connect.
    void executeOnMain(const QStringList& statements) const;
    // Replaces the working copy with a byte copy of the main database, as a start does.
    void copyMainToWorkingCopy() const;

  private:
    QTemporaryDir dir_;
};

}  // namespace vantir::test
