#pragma once

namespace vantir {

// How the invoice run compares a slip's billing date with the period when it marks the
// customers with sales: "再表示" compares the "yy/mm/dd" texts, "検索" the dates
// (CvDate on both sides).
enum class MarkComparison { Text, Date };

}  // namespace vantir
