#pragma once

#include <QString>
#include <memory>

namespace vantir {

// Compacts one database file in place: the file keeps its name and its content and gives
// back the room deleted rows left. Open a file, then compact it as often as wanted. Both
// throw DbError with the engine's message; a file that is no database is refused on open
// and left as it was.
class DatabaseCompactor {
  public:
    virtual ~DatabaseCompactor() = default;
    // Closes a file opened before, then opens path (which must exist).
    virtual void open(const QString& path) = 0;
    virtual bool isOpen() const = 0;
    virtual void compact() = 0;

    // The compactor of the program's database engine.
    static std::unique_ptr<DatabaseCompactor> create();
};

}  // namespace vantir
