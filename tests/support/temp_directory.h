#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quillot::testing {

// A fresh folder under the system's temporary directory, removed with all it
// holds when the fixture goes.
class Temp_directory {
public:
    Temp_directory();
    ~Temp_directory();
    Temp_directory(const Temp_directory&) = delete;
    Temp_directory& operator=(const Temp_directory&) = delete;

    const std::string& path() const { return path_; }
    std::string File_path(const std::string& name) const { return path_ + "/" + name; }

    // Creates a regular file whose content is its own name, so that a file
    // can be recognised after any rename.
    void Create_file(const std::string& name) const;
    void Create_file(const std::string& name, const std::string& content) const;
    void Create_folder(const std::string& name) const;
    void Create_symlink(const std::string& target, const std::string& name) const;

    // Names of the folder's entries, sorted.
    std::vector<std::string> Names() const;
    std::string Content(const std::string& name) const;

private:
    std::string path_;
};

void Write_file(const std::string& path, const std::string& content);

// Names of the directory's entries in the order the system lists them, "."
// and ".." included.
std::vector<std::string> Listing_order(const std::string& directory);

}  // namespace quillot::testing
