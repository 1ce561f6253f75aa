#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace quillot {

struct Directory_entry {
    std::string_view name;  // valid until the next call to Next
    bool is_directory = false;
};

// One open directory listing; destroying it closes the listing.
class Directory_search {
public:
    virtual ~Directory_search() = default;
    // False at the end of the listing and on any error.
    virtual bool Next(Directory_entry& entry) = 0;
};

// The file operations the rename run is written against.
class File_system {
public:
    virtual ~File_system() = default;

    // Null when the listing cannot start (no such directory, no right to read it).
    virtual std::unique_ptr<Directory_search> Start_search(const std::string& pattern) = 0;

    // Never replaces an existing file; raises Io_error on failure.
    virtual void Rename(const std::string& old_path, const std::string& new_path) = 0;
};

}  // namespace quillot
