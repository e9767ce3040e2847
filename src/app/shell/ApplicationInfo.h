#pragma once

#include <QString>

namespace vantir {

// The application's title ("Vantir for Access", the main window is captioned "Vantir")
// and its version, as the About box shows them.
struct ApplicationInfo {
    static QString title();
    static QString version();
};

}  // namespace vantir
