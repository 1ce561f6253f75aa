#pragma once

namespace quillot {

// The system calls a rename is made of, replaceable so that the fallbacks
// for file systems that refuse some of them can be exercised anywhere. Each
// returns 0 or -1 with errno set, as the system calls do.
struct Rename_system_calls {
    int (*rename_noreplace)(const char* old_path, const char* new_path);
    int (*link)(const char* old_path, const char* new_path);
    int (*unlink)(const char* path);
    int (*lstat_exists)(const char* path);  // 0 when the path names anything, even a dangling link
    int (*rename)(const char* old_path, const char* new_path);
};

const Rename_system_calls& Real_rename_system_calls();

// Renames old_path to new_path and never replaces what new_path already
// names; raises Io_error with the mapped code on failure.
void Rename_without_replacing(const char* old_path, const char* new_path,
                              const Rename_system_calls& calls = Real_rename_system_calls());

}  // namespace quillot
