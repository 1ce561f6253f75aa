#include "name_substitution.h"

#include "io_error.h"

#include <algorithm>
#include <optional>

namespace quillot {

namespace {

// Position by position, the leftmost place where every byte of search equals
// the name's; nothing when there is none.
std::optional<std::size_t> Find_first_match(std::string_view name, std::string_view search)
{
    if (search.size() > name.size())
        return std::nullopt;
    const std::size_t last_start = name.size() - search.size();
    for (std::size_t position = 0; position <= last_start; ++position) {
        if (std::equal(search.begin(), search.end(), name.begin() + static_cast<std::ptrdiff_t>(position)))
            return position;
    }
    return std::nullopt;
}

}  // namespace

void Build_new_name(std::string_view name, std::string_view replacement, std::string& name_buffer,
                    std::ptrdiff_t last_prefix_index, std::ptrdiff_t last_match_index)
{
    const auto prefix_length = static_cast<std::size_t>(last_prefix_index + 1);
    const auto rest_start = static_cast<std::size_t>(last_match_index + 1);
    const std::size_t rest_length = name.size() - rest_start;
    if (prefix_length + replacement.size() + rest_length > name_buffer_capacity)
        throw Io_error(io_code::name_too_long);

    name_buffer.assign(name.substr(0, prefix_length));
    name_buffer.append(replacement);
    name_buffer.append(name.substr(rest_start));
}

std::string Replace_in_name(std::string_view name, std::string_view search, std::string_view replacement)
{
    const std::optional<std::size_t> match = Find_first_match(name, search);
    if (!match)
        return std::string(name);

    std::string name_buffer;
    const auto position = static_cast<std::ptrdiff_t>(*match);
    Build_new_name(name, replacement, name_buffer, position - 1,
                   position + static_cast<std::ptrdiff_t>(search.size()) - 1);
    return name_buffer;
}

bool Contains(std::string_view text, std::string_view search)
{
    return !search.empty() && text.find(search) != std::string_view::npos;
}

}  // namespace quillot
