#include "rename_run.h"

#include "io_error.h"
#include "name_substitution.h"
#include "path_parts.h"

#include <cstdint>

namespace quillot {

namespace {

constexpr const Path_style& style = posix_path_style;

bool Is_dot_entry(std::string_view name)
{
    return name == "." || name == "..";
}

// A name that would move the file out of its folder, name the folder itself,
// or be cut short by the system at a NUL byte.
bool Is_acceptable_new_name(std::string_view name)
{
    return !name.empty() && !Is_dot_entry(name) && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

// Returns false when the window was closed while the list was being made.
bool Collect_matching_files(Run_window& window, File_system& file_system)
{
    window.Found_clear();
    // Read once, so that every listed path names the folder that was actually
    // read, even when the field is edited while the list is being made.
    const std::string directory = window.Directory_text();
    const std::unique_ptr<Directory_search> search = file_system.Start_search(directory + style.separator);
    if (!search)
        return true;

    Directory_entry entry;
    while (search->Next(entry)) {
        window.Process_pending_events();
        if (window.Closing())
            return false;
        if (Is_dot_entry(entry.name) || entry.is_directory)
            continue;
        if (Contains(entry.name, window.Search_text()))
            window.Found_append(Join_path(directory, entry.name, style));
    }
    return true;
}

std::int32_t Rename_found_files(Run_window& window, File_system& file_system)
{
    const std::string search = window.Search_text();
    const std::string replacement = window.Replacement_text();
    std::int32_t count = 0;
    const std::size_t item_count = window.Found_count();
    for (std::size_t index = 0; index < item_count; ++index) {
        const std::string path = window.Found_item(index);
        const std::string_view name = Name_part(path, style);
        // Only the name is renamed, so a match in the folder part alone does not count.
        if (!Contains(name, search))
            continue;
        ++count;
        const std::string new_name = Replace_in_name(name, search, replacement);
        if (!Is_acceptable_new_name(new_name))
            throw Io_error(io_code::invalid_file_name);
        if (new_name != name)
            file_system.Rename(path, Join_path(Directory_part(path, style), new_name, style));
    }
    return count;
}

}  // namespace

void Run_rename(Run_window& window, File_system& file_system)
{
    if (!Collect_matching_files(window, file_system))
        return;
    const std::int32_t count = Rename_found_files(window, file_system);
    window.Show_message(std::string(count_message_text) + std::to_string(count), count_message_caption);
}

}  // namespace quillot
