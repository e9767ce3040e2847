#pragma once

#include <QString>

namespace vantir {

// The file of the database engine's library this program runs on, the counterpart of the
// ODBC driver file a data source registration names.
QString engineLibraryFile();

}  // namespace vantir
