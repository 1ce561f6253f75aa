#pragma once

#include "io_error.h"
#include "posix_file_system.h"
#include "rename_run.h"
#include "support/recording_run_window.h"
#include "support/temp_directory.h"

#include <gtest/gtest.h>

namespace quillot::testing {

// A fresh folder, a recording window aimed at it that replaces "2009" with
// "2010", and the run over the given file-system layer.
template <typename File_system_layer = Posix_file_system>
class Run_fixture : public ::testing::Test {
protected:
    Run_fixture()
    {
        window.directory = folder.path();
        window.search = "2009";
        window.replacement = "2010";
    }

    void Run() { Run_rename(window, file_system); }

    // The code of the Io_error that ends the run; a failed run shows no count.
    int Run_expecting_error()
    {
        try {
            Run();
        } catch (const Io_error& error) {
            EXPECT_TRUE(window.messages.empty()) << "no count after a failure";
            return error.code();
        }
        ADD_FAILURE() << "no error raised";
        return 0;
    }

    void Expect_count_message(int count) const
    {
        ASSERT_EQ(window.messages.size(), 1U);
        EXPECT_EQ(window.messages[0].first, "Number of file rename : " + std::to_string(count));
        EXPECT_EQ(window.messages[0].second, "Quillot");
    }

    Temp_directory folder;
    Recording_run_window window;
    File_system_layer file_system;
};

}  // namespace quillot::testing
