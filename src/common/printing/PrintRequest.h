#pragma once

#include <QString>

#include "common/printing/PrintSelection.h"

namespace vantir {

// One print asked for without a window: which printout, what was selected, and the file
// it goes to as a PDF or as the text dump of its pages.
struct PrintRequest {
    enum class Output { Pdf, Text };

    QString printout;
    PrintSelection selection;
    Output output = Output::Pdf;
    QString path;
};

}  // namespace vantir
