#pragma once

#include <QString>
#include <QtGlobal>

namespace vantir {
class Connection;
}

namespace vantir::test {

// Monthly aggregates for the partners of HIMAS3, written straight into HIMAS31 and
// HIMAS32 for `months` months up to the month ending on 26/12/31, drawn from a seed.
// Awkward on purpose: some partners have no aggregate at all, some only one side; one
// amount in eight is NULL and one in ten negative; a few rows belong to no partner of the
// master or to none at all (KCODE NULL).
void writeScheduleAggregates(Connection& connection, int months, quint32 seed);

}  // namespace vantir::test
