#pragma once

#include <QList>

#include "data/sample/SamplePartner.h"

namespace vantir {

class Connection;
class SampleRandom;

// The partner master HIMAS3 of a sample company: codes "000001" upwards, the carrier code
// equal to the customer code as the partner master proposes it. The first eighteen
// partners go through every kind ("1", "2", "0") on each closing day ("99", "20", "25",
// "15", "10", "05"), so that even a small company has a customer, a carrier and a partner
// of both kinds, and partners of several closing days; the rest are drawn.
class SamplePartners {
  public:
    static QList<SamplePartner> write(Connection& connection, SampleRandom& random, int count);
};

}  // namespace vantir
