#pragma once

#include "io_error.h"
#include "posix_file_system.h"

namespace quillot::testing {

// The real file-system layer, except that the failing_rename-th rename
// (counted from 1) fails with the given code before touching anything.
class Failing_file_system : public Posix_file_system {
public:
    Failing_file_system(int failing_rename, int code) : failing_rename_(failing_rename), code_(code) {}

    void Rename(const std::string& old_path, const std::string& new_path) override
    {
        if (++renames_ == failing_rename_)
            throw Io_error(code_);
        Posix_file_system::Rename(old_path, new_path);
    }

private:
    int failing_rename_;
    int code_;
    int renames_ = 0;
};

}  // namespace quillot::testing
