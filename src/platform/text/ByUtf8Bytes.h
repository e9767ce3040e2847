#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantir {

// A map keyed by text as UTF-8 bytes that is looked up by a std::string_view, such as
// the bytes the database engine hands over for a value: a loop over many rows finds its
// entry without making a string per row.
struct Utf8BytesHash {
    using is_transparent = void;
    size_t operator()(std::string_view bytes) const { return std::hash<std::string_view>()(bytes); }
};

template <typename T>
using ByUtf8Bytes = std::unordered_map<std::string, T, Utf8BytesHash, std::equal_to<>>;

}  // namespace vantir
