#pragma once

#include <QString>
#include <optional>

namespace vantir {

// What a closing-day or due-date rule gives back: its dates as stored text, or the message
// that stops the operation that asked for them (the caller decides whether to show it).
template <typename Value>
struct DateRuleResult {
    std::optional<Value> value;
    QString message;

    static DateRuleResult of(Value value) { return {std::move(value), {}}; }
    static DateRuleResult refused(QString message) { return {std::nullopt, std::move(message)}; }
    explicit operator bool() const { return value.has_value(); }
};

}  // namespace vantir
