#include "path_parts.h"

namespace quillot {

namespace {

// 1-based position of the last split character, 0 when there is none.
std::size_t Last_split_position(std::string_view path, const Path_style& style)
{
    const std::size_t index = path.find_last_of(style.split_characters);
    return index == std::string_view::npos ? 0 : index + 1;
}

bool Is_split_character(char character, const Path_style& style)
{
    return style.split_characters.find(character) != std::string_view::npos;
}

}  // namespace

std::string_view Name_part(std::string_view path, const Path_style& style)
{
    return path.substr(Last_split_position(path, style));
}

std::string_view Directory_part(std::string_view path, const Path_style& style)
{
    std::size_t length = Last_split_position(path, style);
    if (length > 1 && path[length - 1] == style.separator && !Is_split_character(path[length - 2], style))
        --length;
    return path.substr(0, length);
}

std::string Join_path(std::string_view directory, std::string_view name, const Path_style& style)
{
    std::string path;
    path.reserve(directory.size() + 1 + name.size());
    path.append(directory);
    path.push_back(style.separator);
    path.append(name);
    return path;
}

}  // namespace quillot
