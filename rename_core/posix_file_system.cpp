#include "posix_file_system.h"

#include "posix_rename.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace quillot {

namespace {

class Posix_directory_search : public Directory_search {
public:
    explicit Posix_directory_search(DIR* directory) : directory_(directory) {}
    ~Posix_directory_search() override { closedir(directory_); }
    Posix_directory_search(const Posix_directory_search&) = delete;
    Posix_directory_search& operator=(const Posix_directory_search&) = delete;

    bool Next(Directory_entry& entry) override
    {
        const dirent* record = readdir(directory_);
        if (!record)
            return false;
        entry.name = record->d_name;
        entry.is_directory = Is_directory(*record);
        return true;
    }

private:
    // A link to a folder counts as a folder, as the listing must not offer to
    // rename what stands for a folder; a dangling link does not.
    bool Is_directory(const dirent& record) const
    {
        if (record.d_type == DT_DIR)
            return true;
        if (record.d_type != DT_LNK && record.d_type != DT_UNKNOWN)
            return false;
        struct stat status;
        return fstatat(dirfd(directory_), record.d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
    }

    DIR* directory_;
};

}  // namespace

std::unique_ptr<Directory_search> Posix_file_system::Start_search(const std::string& pattern)
{
    DIR* directory = opendir(pattern.c_str());
    if (!directory)
        return nullptr;
    return std::make_unique<Posix_directory_search>(directory);
}

void Posix_file_system::Rename(const std::string& old_path, const std::string& new_path)
{
    Rename_without_replacing(old_path.c_str(), new_path.c_str());
}

}  // namespace quillot
