#include "io_error.h"
#include "rename_run.h"
#include "support/failing_file_system.h"
#include "support/recording_run_window.h"
#include "support/temp_directory.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillot {
namespace {

using testing::Failing_file_system;
using testing::Recording_run_window;
using testing::Temp_directory;

constexpr int file_count = 50;

// Every code the errno mapping can give, and one it carries as it is (ELOOP).
constexpr int codes[] = {2, 3, 4, 5, 17, 32, 87, 112, 183, 206, io_code::device_failure, ELOOP};

std::vector<std::string> Sorted_contents(const Temp_directory& folder)
{
    std::vector<std::string> contents;
    for (const std::string& name : folder.Names())
        contents.push_back(folder.Content(name));
    std::sort(contents.begin(), contents.end());
    return contents;
}

// For every position k of the failing rename and every code: the files
// before k carry their new names, k and later their old ones, no content is
// lost or doubled, the list is kept and no count is shown.
TEST(Fault_injection, FailingRenameAtEveryPositionWithEveryCode)
{
    for (const int code : codes) {
        for (int failing = 1; failing <= file_count; ++failing) {
            SCOPED_TRACE("code " + std::to_string(code) + ", rename " + std::to_string(failing));
            Temp_directory folder;
            for (int index = 0; index < file_count; ++index)
                folder.Create_file("file_" + std::to_string(index) + "_2009");
            const std::vector<std::string> contents_before = Sorted_contents(folder);
            Recording_run_window window;
            window.directory = folder.path();
            window.search = "2009";
            window.replacement = "2010";
            Failing_file_system file_system(failing, code);

            try {
                Run_rename(window, file_system);
                FAIL() << "no error raised";
            } catch (const Io_error& error) {
                EXPECT_EQ(error.code(), code);
                EXPECT_EQ(error.what(), Io_error_message(code));
            }

            ASSERT_EQ(window.found.size(), static_cast<std::size_t>(file_count));
            EXPECT_TRUE(window.messages.empty());
            for (int item = 0; item < file_count; ++item) {
                const std::string old_name = window.found[item].substr(folder.path().size() + 1);
                std::string new_name = old_name;
                new_name.replace(new_name.find("2009"), 4, "2010");
                const bool renamed = item + 1 < failing;
                ASSERT_EQ(std::filesystem::exists(folder.File_path(renamed ? new_name : old_name)), true);
                ASSERT_EQ(std::filesystem::exists(folder.File_path(renamed ? old_name : new_name)), false);
            }
            EXPECT_EQ(Sorted_contents(folder), contents_before);
        }
    }
}

}  // namespace
}  // namespace quillot
