#include "path_parts.h"

#include <cstdlib>
#include <string>

namespace {

// The splitting rule spelled out position by position (1-based, as it is
// usually stated), to be compared with the library's.
std::pair<std::string, std::string> Reference_parts(const std::string& path, const quillot::Path_style& style)
{
    std::size_t last = 0;
    for (std::size_t position = 1; position <= path.size(); ++position)
        if (style.split_characters.find(path[position - 1]) != std::string_view::npos)
            last = position;
    const std::string name = path.substr(last);
    std::size_t length = last;
    if (last > 1 && path[last - 1] == style.separator &&
        style.split_characters.find(path[last - 2]) == std::string_view::npos)
        length = last - 1;
    return {path.substr(0, length), name};
}

void Check(const std::string& path, const quillot::Path_style& style)
{
    const auto [directory, name] = Reference_parts(path, style);
    if (quillot::Directory_part(path, style) != directory || quillot::Name_part(path, style) != name)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path(reinterpret_cast<const char*>(data), size);
    Check(path, quillot::windows_path_style);
    Check(path, quillot::posix_path_style);
    return 0;
}
