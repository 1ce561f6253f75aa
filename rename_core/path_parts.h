#pragma once

#include <string>
#include <string_view>

namespace quillot {

// How one platform splits a full path into its directory and name parts and
// joins them again.
struct Path_style {
    std::string_view split_characters;  // every character that ends a directory part
    char separator;                     // the one put between directory and name
};

// Windows: "c:\photos\a.jpg" splits at "\" and at the drive's ":".
inline constexpr Path_style windows_path_style{"\\:", '\\'};
// POSIX: ":" is an ordinary file-name character; only "/" splits.
inline constexpr Path_style posix_path_style{"/", '/'};

// The characters after the last split character (the whole path when none).
std::string_view Name_part(std::string_view path, const Path_style& style);

// The characters before the name, without the separator that precedes it,
// except where that separator is all that is left of a root ("/", "c:\").
std::string_view Directory_part(std::string_view path, const Path_style& style);

std::string Join_path(std::string_view directory, std::string_view name, const Path_style& style);

}  // namespace quillot
