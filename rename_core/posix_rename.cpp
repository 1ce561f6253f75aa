#include "posix_rename.h"

#include "io_error.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillot {

namespace {

int System_rename_noreplace(const char* old_path, const char* new_path)
{
    return renameat2(AT_FDCWD, old_path, AT_FDCWD, new_path, RENAME_NOREPLACE);
}

int System_lstat_exists(const char* path)
{
    struct stat status;
    return lstat(path, &status);
}

// The file system does not know the flag or the call.
bool Is_refused_operation(int error)
{
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

// Hard links not supported (FAT and some network file systems answer EPERM).
bool Is_refused_link(int error)
{
    return error == EPERM || Is_refused_operation(error);
}

[[noreturn]] void Raise_io_error(int error)
{
    throw Io_error(Io_code_from_errno(error));
}

void Rename_by_link(const char* old_path, const char* new_path, const Rename_system_calls& calls)
{
    if (calls.unlink(old_path) == 0)
        return;
    const int error = errno;
    // Both names now exist; take the new one back so that the file keeps only its old name.
    calls.unlink(new_path);
    Raise_io_error(error);
}

// Only where neither the flag nor hard links are supported. Another process
// could still create new_path between the check and the rename, and that file
// would be replaced; no other call on such a file system closes that window.
void Rename_after_check(const char* old_path, const char* new_path, const Rename_system_calls& calls)
{
    if (calls.lstat_exists(new_path) == 0)
        Raise_io_error(EEXIST);
    if (errno != ENOENT)
        Raise_io_error(errno);
    if (calls.rename(old_path, new_path) != 0)
        Raise_io_error(errno);
}

}  // namespace

const Rename_system_calls& Real_rename_system_calls()
{
    static const Rename_system_calls calls{System_rename_noreplace, ::link, ::unlink, System_lstat_exists,
                                           ::rename};
    return calls;
}

void Rename_without_replacing(const char* old_path, const char* new_path, const Rename_system_calls& calls)
{
    if (calls.rename_noreplace(old_path, new_path) == 0)
        return;
    if (!Is_refused_operation(errno))
        Raise_io_error(errno);
    if (calls.link(old_path, new_path) == 0)
        return Rename_by_link(old_path, new_path, calls);
    if (!Is_refused_link(errno))
        Raise_io_error(errno);
    Rename_after_check(old_path, new_path, calls);
}

}  // namespace quillot
