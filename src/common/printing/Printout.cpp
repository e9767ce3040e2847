#include "common/printing/Printout.h"

#include <algorithm>

namespace vantir {

bool Printout::takes(PrintOption option) const {
    return std::any_of(options.begin(), options.end(),
                       [option](const PrintoutOption& o) { return o.option == option; });
}

}  // namespace vantir
