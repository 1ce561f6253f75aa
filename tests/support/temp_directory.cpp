#include "temp_directory.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quillot::testing {

Temp_directory::Temp_directory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quillot-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

Temp_directory::~Temp_directory()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void Temp_directory::Create_file(const std::string& name) const
{
    Create_file(name, name);
}

void Temp_directory::Create_file(const std::string& name, const std::string& content) const
{
    Write_file(File_path(name), content);
}

void Temp_directory::Create_folder(const std::string& name) const
{
    std::filesystem::create_directory(File_path(name));
}

void Temp_directory::Create_symlink(const std::string& target, const std::string& name) const
{
    std::filesystem::create_symlink(target, File_path(name));
}

std::vector<std::string> Temp_directory::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Temp_directory::Content(const std::string& name) const
{
    std::ifstream file(File_path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Write_file(const std::string& path, const std::string& content)
{
    std::ofstream file(path, std::ios::binary);
    file << content;
    if (!file)
        throw std::runtime_error("cannot create " + path);
}

std::vector<std::string> Listing_order(const std::string& directory)
{
    std::vector<std::string> names;
    DIR* listing = opendir(directory.c_str());
    if (!listing)
        throw std::runtime_error("cannot list " + directory);
    while (const dirent* record = readdir(listing))
        names.emplace_back(record->d_name);
    closedir(listing);
    return names;
}

}  // namespace quillot::testing
