#pragma once

namespace vantir {

// The three boxes of the customer and carrier searches, as their items stand (index 0, 1,
// ...); Blank is a box with nothing selected, which every box may be.
enum class SearchKind { Blank = -1, Name, Kana, Telephone };
enum class SortKey { Blank = -1, Code, Kana, Zip, Telephone };
enum class SortDirection { Blank = -1, Ascending, Descending };

struct PartnerSearchBoxes {
    SearchKind kind = SearchKind::Blank;
    SortKey sortKey = SortKey::Blank;
    SortDirection direction = SortDirection::Blank;
};

}  // namespace vantir
