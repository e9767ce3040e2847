#include "platform/db/EngineLibrary.h"

#include <dlfcn.h>
#include <sqlite3.h>

#include <QFileInfo>

namespace vantir {

QString engineLibraryFile() {
    Dl_info info{};
    // The library that holds the engine's own entry point (the program itself when the
    // engine is linked in statically).
    if (dladdr(reinterpret_cast<void*>(&sqlite3_libversion), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

}  // namespace vantir
