#include "posix_file_system.h"
#include "rename_run.h"
#include "support/recording_run_window.h"
#include "support/temp_directory.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillot {
namespace {

using testing::Recording_run_window;
using testing::Temp_directory;

constexpr int file_count = 100000;
constexpr int renames_before_signal = 20000;

std::string Old_name(int index)
{
    return "photo_2009_" + std::to_string(index);
}

std::string New_name(int index)
{
    return "photo_2010_" + std::to_string(index);
}

// The real layer, which writes one byte to a pipe once it has renamed a given
// number of files, so that the test kills the run in the middle of renaming.
class Signalling_file_system : public Posix_file_system {
public:
    explicit Signalling_file_system(int pipe_end) : pipe_end_(pipe_end) {}
    void Rename(const std::string& old_path, const std::string& new_path) override
    {
        Posix_file_system::Rename(old_path, new_path);
        if (++renames_ == renames_before_signal && write(pipe_end_, "r", 1) != 1)
            _exit(3);
    }

private:
    int pipe_end_;
    int renames_ = 0;
};

[[noreturn]] void Run_in_child(const std::string& folder, int pipe_end)
{
    Recording_run_window window;
    window.directory = folder;
    window.search = "2009";
    window.replacement = "2010";
    Signalling_file_system file_system(pipe_end);
    Run_rename(window, file_system);
    _exit(0);
}

// A run killed while renaming leaves every file under exactly one name, its
// old or its new one, with its content.
TEST(Killed_mid_run, EveryFileKeepsExactlyOneName)
{
    Temp_directory folder;
    for (int index = 0; index < file_count; ++index)
        folder.Create_file(Old_name(index), std::to_string(index));
    int pipe_ends[2];
    ASSERT_EQ(pipe(pipe_ends), 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        Run_in_child(folder.path(), pipe_ends[1]);
    close(pipe_ends[1]);
    char signal_byte = 0;
    ASSERT_EQ(read(pipe_ends[0], &signal_byte, 1), 1) << "the run ended before renaming enough files";
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(pipe_ends[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the run finished before the kill; make it longer";

    int renamed = 0;
    for (int index = 0; index < file_count; ++index) {
        const bool old_exists = std::filesystem::exists(folder.File_path(Old_name(index)));
        const bool new_exists = std::filesystem::exists(folder.File_path(New_name(index)));
        ASSERT_NE(old_exists, new_exists) << "file " << index;
        ASSERT_EQ(folder.Content(new_exists ? New_name(index) : Old_name(index)), std::to_string(index));
        renamed += new_exists ? 1 : 0;
    }
    EXPECT_EQ(folder.Names().size(), static_cast<std::size_t>(file_count));
    EXPECT_GE(renamed, renames_before_signal);
    EXPECT_LT(renamed, file_count);
}

}  // namespace
}  // namespace quillot
