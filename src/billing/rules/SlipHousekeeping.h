#pragma once

namespace vantir {

class Connection;

// What "検索" puts right in the slips before it sums them: empty costs become 0 on both
// sides, and a slip without a staff name gets the name of its staff code from HIMAS2.
class SlipHousekeeping {
  public:
    static void run(Connection& connection);  // throws DbError
};

}  // namespace vantir
