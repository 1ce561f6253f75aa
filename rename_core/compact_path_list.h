#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillot {

// A list of full paths that keeps the folder they share once and the rest of
// each path in one buffer, so that a million rows cost little more than their
// names. Paths come back with exactly the bytes that went in.
class Compact_path_list {
public:
    void clear();
    void append(std::string_view path);
    std::size_t size() const { return ends_.size(); }
    std::string at(std::size_t index) const;

private:
    static constexpr std::uint64_t without_prefix = std::uint64_t{1} << 63;

    std::string prefix_;  // what the first path held up to its last "/", inclusive
    std::string tails_;
    std::vector<std::uint64_t> ends_;  // end of each row's tail, flagged when the row has no prefix
};

}  // namespace quillot
