#include "compact_path_list.h"

#include <stdexcept>

namespace quillot {

void Compact_path_list::clear()
{
    prefix_.clear();
    std::string().swap(tails_);
    std::vector<std::uint64_t>().swap(ends_);
}

void Compact_path_list::append(std::string_view path)
{
    if (ends_.empty())
        prefix_.assign(path.substr(0, path.rfind('/') + 1));
    const bool shares_prefix = path.starts_with(prefix_);
    tails_.append(shares_prefix ? path.substr(prefix_.size()) : path);
    ends_.push_back(tails_.size() | (shares_prefix ? 0 : without_prefix));
}

std::string Compact_path_list::at(std::size_t index) const
{
    if (index >= ends_.size())
        throw std::out_of_range("Compact_path_list::at");
    const std::uint64_t begin = index == 0 ? 0 : ends_[index - 1] & ~without_prefix;
    const std::uint64_t end = ends_[index] & ~without_prefix;
    const std::string_view tail = std::string_view(tails_).substr(begin, end - begin);
    if (ends_[index] & without_prefix)
        return std::string(tail);
    std::string path;
    path.reserve(prefix_.size() + tail.size());
    path.append(prefix_);
    path.append(tail);
    return path;
}

}  // namespace quillot
