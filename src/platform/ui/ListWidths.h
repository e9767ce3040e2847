#pragma once

namespace vantir {

class DatasetGrid;

// Makes each column of a list (a master's, a search's) as wide as its column is long
// (Shift_JIS bytes, one half-width character each) and the list wide enough to show them
// all, without reading the rows to measure them.
void fitListToColumnWidths(DatasetGrid& list);

}  // namespace vantir
