#include "io_error.h"
#include "posix_rename.h"
#include "support/temp_directory.h"

#include <cerrno>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quillot {
namespace {

using testing::Temp_directory;

int Refuse_with_einval(const char*, const char*)
{
    errno = EINVAL;
    return -1;
}

int Refuse_with_eperm(const char*, const char*)
{
    errno = EPERM;
    return -1;
}

int Refuse_unlink(const char* path)
{
    // Lets the cleaning of the new name through, refuses the old one.
    if (std::string_view(path).ends_with("/old"))
        return errno = EBUSY, -1;
    return ::unlink(path);
}

const Rename_system_calls& Real = Real_rename_system_calls();
const Rename_system_calls without_flag{Refuse_with_einval, Real.link, Real.unlink, Real.lstat_exists, Real.rename};
const Rename_system_calls without_flag_or_link{Refuse_with_einval, Refuse_with_eperm, Real.unlink, Real.lstat_exists,
                                               Real.rename};
const Rename_system_calls unlink_fails{Refuse_with_einval, Real.link, Refuse_unlink, Real.lstat_exists, Real.rename};

struct Route {
    const char* label;
    const Rename_system_calls* calls;
};

class Rename_route : public ::testing::TestWithParam<Route> {
protected:
    void Rename(const std::string& old_name, const std::string& new_name)
    {
        Rename_without_replacing(folder.File_path(old_name).c_str(), folder.File_path(new_name).c_str(),
                                 *GetParam().calls);
    }
    void Expect_refused_with(int code, const std::string& old_name, const std::string& new_name)
    {
        try {
            Rename(old_name, new_name);
            FAIL() << "no error raised";
        } catch (const Io_error& error) {
            EXPECT_EQ(error.code(), code);
        }
    }

    Temp_directory folder;
};

TEST_P(Rename_route, RenamesToFreeName)
{
    folder.Create_file("old");
    Rename("old", "new");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"new"});
    EXPECT_EQ(folder.Content("new"), "old");
}

TEST_P(Rename_route, NeverReplacesExistingFile)
{
    folder.Create_file("old");
    folder.Create_file("new");
    Expect_refused_with(io_code::already_exists, "old", "new");
    EXPECT_EQ(folder.Content("old"), "old");
    EXPECT_EQ(folder.Content("new"), "new");
}

TEST_P(Rename_route, NeverReplacesDanglingLink)
{
    folder.Create_file("old");
    folder.Create_symlink("nowhere", "new");
    Expect_refused_with(io_code::already_exists, "old", "new");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"new", "old"}));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File_path("new")));
}

TEST_P(Rename_route, MissingSourceIsFileNotFound)
{
    Expect_refused_with(io_code::file_not_found, "old", "new");
    EXPECT_TRUE(folder.Names().empty());
}

INSTANTIATE_TEST_SUITE_P(Routes, Rename_route,
                         ::testing::Values(Route{"noreplace_flag", &Real}, Route{"hard_link", &without_flag},
                                           Route{"checked_rename", &without_flag_or_link}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(Rename_by_link, FailedUnlinkLeavesOnlyOldName)
{
    Temp_directory folder;
    folder.Create_file("old");
    try {
        Rename_without_replacing(folder.File_path("old").c_str(), folder.File_path("new").c_str(), unlink_fails);
        FAIL() << "no error raised";
    } catch (const Io_error& error) {
        EXPECT_EQ(error.code(), 32);
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old"});
}

}  // namespace
}  // namespace quillot
