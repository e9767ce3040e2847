#pragma once

#include "platform/db/Connection.h"

namespace vantir {

// Statements that must land together run under a guard: commit() makes them permanent,
// leaving the scope without it rolls them back.
class TransactionGuard {
public:
    explicit TransactionGuard(Connection& connection) : connection_(connection) {
        connection_.begin();
    }
    ~TransactionGuard() {
        if (!done_) {
            try {
                connection_.rollback();
            } catch (...) {
            }
        }
    }
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void commit() {
        connection_.commit();
        done_ = true;
    }

private:
    Connection& connection_;
    bool done_ = false;
};

}  // namespace vantir
