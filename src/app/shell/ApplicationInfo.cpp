#include "app/shell/ApplicationInfo.h"

namespace vantir {

QString ApplicationInfo::title() { return QStringLiteral("Vantir for Access"); }

QString ApplicationInfo::version() { return QStringLiteral(VANTIR_VERSION); }

}  // namespace vantir
