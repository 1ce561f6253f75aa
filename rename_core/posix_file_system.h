#pragma once

#include "file_system.h"

namespace quillot {

// The file-system layer over POSIX calls: readdir for the listing, a rename
// that never replaces an existing file.
class Posix_file_system : public File_system {
public:
    std::unique_ptr<Directory_search> Start_search(const std::string& pattern) override;
    void Rename(const std::string& old_path, const std::string& new_path) override;
};

}  // namespace quillot
