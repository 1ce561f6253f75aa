#pragma once

#include "file_system.h"
#include "run_window.h"

namespace quillot {

inline constexpr std::string_view count_message_text = "Number of file rename : ";
inline constexpr std::string_view count_message_caption = "Quillot";

// Lists the files of the window's directory whose names contain the search
// text, then renames each, replacing the first occurrence of the search text
// in its name, and shows the count. A failed rename ends the run at once with
// the Io_error; files renamed before it stay renamed.
void Run_rename(Run_window& window, File_system& file_system);

}  // namespace quillot
