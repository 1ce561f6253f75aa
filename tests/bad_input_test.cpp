#include "support/run_fixture.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

using Names = std::vector<std::string>;

// Input a user can type, each with the outcome it must have.
using Bad_input_test = testing::Run_fixture<>;

// Restores the process's current directory.
class Current_directory {
public:
    explicit Current_directory(const std::string& path) : previous_(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~Current_directory() { std::filesystem::current_path(previous_); }
    Current_directory(const Current_directory&) = delete;
    Current_directory& operator=(const Current_directory&) = delete;

private:
    std::filesystem::path previous_;
};

TEST_F(Bad_input_test, EmptyPathListsRoot)
{
    window.directory = "";
    window.search = "\x01quillot matches nothing";

    Run();

    EXPECT_GT(window.events_processed, 2) << "the root's entries were read";
    EXPECT_TRUE(window.found.empty());
    Expect_count_message(0);
}

TEST_F(Bad_input_test, RelativePathIsRelativeToCurrentDirectory)
{
    folder.Create_folder("sub");
    testing::Write_file(folder.File_path("sub/a_2009"), "a");
    const Current_directory inside(folder.path());
    window.directory = "sub";

    Run();

    EXPECT_EQ(window.found, Names{"sub/a_2009"});
    EXPECT_EQ(folder.Content("sub/a_2010"), "a");
    Expect_count_message(1);
}

TEST_F(Bad_input_test, PathThroughDotDotReachesThatFolder)
{
    folder.Create_folder("sub");
    folder.Create_file("a_2009");
    window.directory = folder.path() + "/sub/..";

    Run();

    EXPECT_EQ(window.found, Names{folder.path() + "/sub/../a_2009"});
    EXPECT_EQ(folder.Names(), (Names{"a_2010", "sub"}));
}

TEST_F(Bad_input_test, SearchHoldingSlashMatchesNoName)
{
    folder.Create_folder("a");
    folder.Create_file("a_2009");
    window.search = "a/";

    Run();

    EXPECT_TRUE(window.found.empty());
    Expect_count_message(0);
    EXPECT_EQ(folder.Names(), (Names{"a", "a_2009"}));
}

TEST_F(Bad_input_test, NewNameOverSystemLimitIsNameTooLong)
{
    const std::string name = std::string(251, 'n') + "2009";
    ASSERT_EQ(name.size(), 255U);
    folder.Create_file(name);
    window.replacement = "20100";

    EXPECT_EQ(Run_expecting_error(), io_code::name_too_long);
    EXPECT_STREQ(Io_error(io_code::name_too_long).what(), "Erreur E/S 206");
    EXPECT_EQ(folder.Names(), Names{name});
}

struct Odd_name {
    std::string name;
    std::string search;
    std::string replacement;
    std::string new_name;
};

class Odd_name_test : public Bad_input_test, public ::testing::WithParamInterface<Odd_name> {};

TEST_P(Odd_name_test, IsRenamedByteForByte)
{
    const Odd_name& c = GetParam();
    folder.Create_file(c.name);
    window.search = c.search;
    window.replacement = c.replacement;

    Run();

    EXPECT_EQ(folder.Names(), Names{c.new_name});
    EXPECT_EQ(folder.Content(c.new_name), c.name);
    Expect_count_message(1);
}

INSTANTIATE_TEST_SUITE_P(Cases, Odd_name_test,
                         ::testing::Values(Odd_name{"line\nbreak_2009", "2009", "2010", "line\nbreak_2010"},
                                           Odd_name{"tab\t2009", "2009", "2010", "tab\t2010"},
                                           Odd_name{"-rf 2009", "2009", "2010", "-rf 2010"},
                                           Odd_name{" 2009", "2009", "2010", " 2010"},
                                           Odd_name{"...", ".", "x", "x.."},
                                           Odd_name{"....", ".", "", "..."},
                                           Odd_name{"\xff\xfe\xe9_2009", "2009", "\xe9t\xe9", "\xff\xfe\xe9_\xe9t\xe9"},
                                           Odd_name{"2009", "2009", "-", "-"}));

}  // namespace
}  // namespace quillot
