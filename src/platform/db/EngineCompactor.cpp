#include "platform/db/EngineCompactor.h"

#include "platform/db/DbError.h"

namespace vantir {

std::unique_ptr<DatabaseCompactor> DatabaseCompactor::create() {
    return std::make_unique<EngineCompactor>();
}

void EngineCompactor::open(const QString& path) {
    connection_.close();
    connection_.open(path, /*create=*/false);
}

void EngineCompactor::compact() {
    if (!connection_.isOpen()) throw DbError(QStringLiteral("The database is not open"));
    connection_.execute(QStringLiteral("VACUUM"));
}

}  // namespace vantir
