#include "support/hooked_file_system.h"
#include "support/run_fixture.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace quillot {
namespace {

using testing::Hooked_file_system;
using Names = std::vector<std::string>;

// Faults a real file system raises, met by the run on real folders.
using Real_fault_test = testing::Run_fixture<Hooked_file_system>;

// Sets the immutable attribute, which stops even root, and clears it again
// so that the fixture can remove the file.
class Immutable_file {
public:
    explicit Immutable_file(const std::string& path) : path_(path) { set_ = Set_flag(true); }
    ~Immutable_file()
    {
        if (set_)
            Set_flag(false);
    }
    Immutable_file(const Immutable_file&) = delete;
    Immutable_file& operator=(const Immutable_file&) = delete;

    bool set() const { return set_; }
    std::string reason;

private:
    bool Set_flag(bool on)
    {
        const int file = open(path_.c_str(), O_RDONLY);
        int flags = 0;
        bool done = file >= 0 && ioctl(file, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(file, FS_IOC_SETFLAGS, &flags) == 0;
        if (!done)
            reason = std::strerror(errno);
        if (file >= 0)
            close(file);
        return done;
    }

    std::string path_;
    bool set_ = false;
};

TEST_F(Real_fault_test, ImmutableFileIsAccessDenied)
{
    folder.Create_file("photo_2009.jpg");
    const Immutable_file immutable(folder.File_path("photo_2009.jpg"));
    if (!immutable.set())
        GTEST_SKIP() << "cannot set the immutable attribute here: " << immutable.reason;

    EXPECT_EQ(Run_expecting_error(), 5);
    EXPECT_STREQ(Io_error(5).what(), "Accès au fichier refusé");
    EXPECT_EQ(folder.Names(), Names{"photo_2009.jpg"});
}

// A small file system mounted on a folder of the fixture, made read-only
// once it holds the files.
class Read_only_mount {
public:
    explicit Read_only_mount(const std::string& path) : path_(path)
    {
        mounted_ = mount("quillot-test", path.c_str(), "tmpfs", 0, "size=1m") == 0;
        if (!mounted_)
            reason = std::strerror(errno);
    }
    ~Read_only_mount()
    {
        if (mounted_)
            umount2(path_.c_str(), MNT_DETACH);
    }
    Read_only_mount(const Read_only_mount&) = delete;
    Read_only_mount& operator=(const Read_only_mount&) = delete;

    bool Make_read_only()
    {
        if (mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0)
            return true;
        reason = std::strerror(errno);
        return false;
    }

    bool mounted() const { return mounted_; }
    std::string reason;

private:
    std::string path_;
    bool mounted_ = false;
};

TEST_F(Real_fault_test, ReadOnlyFileSystemIsAccessDenied)
{
    const std::string mount_point = folder.File_path("mounted");
    std::filesystem::create_directory(mount_point);
    Read_only_mount read_only(mount_point);
    if (!read_only.mounted())
        GTEST_SKIP() << "mounting is not allowed here: " << read_only.reason;
    testing::Write_file(mount_point + "/photo_2009.jpg", "photo");
    if (!read_only.Make_read_only())
        GTEST_SKIP() << "remounting read-only is not allowed here: " << read_only.reason;
    window.directory = mount_point;

    EXPECT_EQ(Run_expecting_error(), 5);
    EXPECT_TRUE(std::filesystem::exists(mount_point + "/photo_2009.jpg"));
}

TEST_F(Real_fault_test, FileRemovedBetweenPassesIsFileNotFound)
{
    for (const char* name : {"a_2009", "b_2009", "c_2009"})
        folder.Create_file(name);
    std::string removed;
    file_system.on_listing_end = [&] {
        removed = window.found.back().substr(folder.path().size() + 1);
        std::filesystem::remove(window.found.back());
    };

    EXPECT_EQ(Run_expecting_error(), io_code::file_not_found);
    EXPECT_STREQ(Io_error(io_code::file_not_found).what(), "Fichier introuvable");
    EXPECT_EQ(folder.Names().size(), 2U);
    EXPECT_FALSE(std::filesystem::exists(folder.File_path(removed)));
    for (const std::string& name : folder.Names())
        EXPECT_NE(name.find("2010"), std::string::npos) << "listed before the removed one: renamed";
}

TEST_F(Real_fault_test, FolderRemovedOrRenamedBetweenPassesIsFileNotFound)
{
    const std::string inner = folder.File_path("photos");
    std::filesystem::create_directory(inner);
    testing::Write_file(inner + "/a_2009", "a");
    window.directory = inner;

    file_system.on_listing_end = [&] { std::filesystem::rename(inner, folder.File_path("moved")); };
    EXPECT_EQ(Run_expecting_error(), io_code::file_not_found);
    EXPECT_EQ(folder.Content("moved/a_2009"), "a");

    std::filesystem::rename(folder.File_path("moved"), inner);
    window.messages.clear();
    file_system.on_listing_end = [&] { std::filesystem::remove_all(inner); };
    EXPECT_EQ(Run_expecting_error(), io_code::file_not_found);
}

TEST_F(Real_fault_test, TargetCreatedBetweenPassesIsNeverReplaced)
{
    folder.Create_file("photo_2009.jpg");
    file_system.on_listing_end = [&] { folder.Create_file("photo_2010.jpg", "created meanwhile"); };

    EXPECT_EQ(Run_expecting_error(), io_code::already_exists);
    EXPECT_EQ(folder.Content("photo_2010.jpg"), "created meanwhile");
    EXPECT_EQ(folder.Content("photo_2009.jpg"), "photo_2009.jpg");
}

TEST_F(Real_fault_test, DanglingLinkAsTargetIsNeverReplaced)
{
    folder.Create_file("photo_2009.jpg");
    file_system.on_listing_end = [&] { folder.Create_symlink("nowhere", "photo_2010.jpg"); };

    EXPECT_EQ(Run_expecting_error(), io_code::already_exists);
    EXPECT_EQ(std::filesystem::read_symlink(folder.File_path("photo_2010.jpg")), "nowhere");
    EXPECT_EQ(folder.Content("photo_2009.jpg"), "photo_2009.jpg");
}

}  // namespace
}  // namespace quillot
