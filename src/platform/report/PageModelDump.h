#pragma once

#include <QString>
#include <functional>

namespace vantir {

struct PageModel;

// A page model as plain text, one item a line, for comparing a laid-out report with a
// reference file kept beside its test:
//   paper 210x297 portrait margins top 10 bottom 10 left 10 right 10
//   page 1
//   text 10,10 60x6 center bold 14 "入金伝票一覧表"
//   line 10,16 200,16 0.2
//   box 10,20 190x5 0.2
// Millimetres are written with up to two decimals; fonts other than the default gothic
// face at 9 points say so.
QString dumpPageModel(const PageModel& model);
// The same lines one at a time, each without its line break, so that a long report goes to
// its file without the whole text in memory.
void dumpPageModel(const PageModel& model, const std::function<void(const QString& line)>& line);

}  // namespace vantir
