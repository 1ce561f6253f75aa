#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillot {

// The longest new name the substitution will assemble; a longer result is
// refused with the I/O error "name too long" rather than cut.
inline constexpr std::size_t name_buffer_capacity = 4096;

// Writes prefix + replacement + rest into name_buffer, where the prefix ends
// at last_prefix_index (-1 for a match at the start) and the rest begins
// right after last_match_index.
void Build_new_name(std::string_view name, std::string_view replacement, std::string& name_buffer,
                    std::ptrdiff_t last_prefix_index, std::ptrdiff_t last_match_index);

// The name with the first (leftmost) occurrence of search replaced, compared
// byte by byte. An empty search matches at the start. A name that does not
// contain search comes back unchanged.
std::string Replace_in_name(std::string_view name, std::string_view search, std::string_view replacement);

// True when search is not empty and occurs in text, byte for byte.
bool Contains(std::string_view text, std::string_view search);

}  // namespace quillot
