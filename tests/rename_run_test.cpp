#include "support/failing_file_system.h"
#include "support/run_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quillot {
namespace {

using testing::Failing_file_system;
using testing::Listing_order;
using testing::Recording_run_window;
using testing::Temp_directory;
using Names = std::vector<std::string>;

// Entries as the system lists them, less "." and "..".
Names Files_in_listing_order(const std::string& directory)
{
    Names names = Listing_order(directory);
    std::erase_if(names, [](const std::string& name) { return name == "." || name == ".."; });
    return names;
}

class Rename_run_test : public testing::Run_fixture<> {
protected:
    Names Paths_of(const Names& names) const
    {
        Names paths;
        for (const std::string& name : names)
            paths.push_back(folder.File_path(name));
        return paths;
    }
};

TEST_F(Rename_run_test, ListsMatchesInSearchOrderAndRenamesFirstOccurrence)
{
    for (const char* name : {"photo_2009.jpg", "2009_2009.jpg", "other.jpg", "x2009", ".hidden_2009"})
        folder.Create_file(name);

    Run();

    Names expected_found;
    for (const std::string& name : Files_in_listing_order(folder.path()))
        if (name != "other.jpg")
            expected_found.push_back(name);
    EXPECT_EQ(folder.Names(), (Names{".hidden_2010", "2010_2009.jpg", "other.jpg", "photo_2010.jpg", "x2010"}));
    EXPECT_EQ(folder.Content("2010_2009.jpg"), "2009_2009.jpg");
    Expect_count_message(4);
    Names listed_names;
    for (const std::string& path : window.found)
        listed_names.push_back(path.substr(folder.path().size() + 1));
    EXPECT_EQ(window.found, Paths_of(listed_names)) << "full paths, old names kept after the run";
    std::sort(listed_names.begin(), listed_names.end());
    EXPECT_EQ(listed_names, (Names{".hidden_2009", "2009_2009.jpg", "photo_2009.jpg", "x2009"}));
}

TEST_F(Rename_run_test, SkipsFoldersAndLinksToFoldersButListsOtherEntries)
{
    folder.Create_folder("dir_2009");
    folder.Create_symlink("dir_2009", "link_to_dir_2009");
    folder.Create_file("file_2009");
    folder.Create_symlink("file_2009", "link_to_file_2009");
    folder.Create_symlink("nowhere", "dangling_2009");

    Run();

    EXPECT_EQ(folder.Names(),
              (Names{"dangling_2010", "dir_2009", "file_2010", "link_to_dir_2009", "link_to_file_2010"}));
    EXPECT_EQ(std::filesystem::read_symlink(folder.File_path("dangling_2010")), "nowhere");
    Expect_count_message(3);
}

TEST_F(Rename_run_test, ProcessesEventsOncePerEntryOnlyWhileListing)
{
    folder.Create_folder("sub_2009");
    for (const char* name : {"a_2009", "b", "c_2009"})
        folder.Create_file(name);

    Run();

    EXPECT_EQ(window.events_processed, static_cast<int>(Listing_order(folder.path()).size()))
        << "every entry, skipped ones included";
}

TEST_F(Rename_run_test, CollisionStopsRunAndKeepsEarlierRenames)
{
    for (const char* name : {"A1", "1A", "A2", "A3", "A4"})
        folder.Create_file(name);
    window.search = "A";
    window.replacement = "";

    EXPECT_EQ(Run_expecting_error(), io_code::already_exists);

    const Names order = Files_in_listing_order(folder.path());
    ASSERT_EQ(window.found.size(), 5U) << "the list keeps every found path";
    const auto first_one = std::find_if(window.found.begin(), window.found.end(), [&](const std::string& path) {
        return path.ends_with("A1") || path.ends_with("1A");
    });
    const auto failing = std::find_if(first_one + 1, window.found.end(), [&](const std::string& path) {
        return path.ends_with("A1") || path.ends_with("1A");
    });
    for (auto item = window.found.begin(); item != window.found.end(); ++item) {
        const std::string name = item->substr(folder.path().size() + 1);
        const bool renamed = item <= first_one;
        EXPECT_EQ(std::filesystem::exists(folder.File_path(name)), !renamed) << name;
        if (item >= failing) {
            EXPECT_EQ(folder.Content(name), name) << "untouched after the failure";
        }
    }
    EXPECT_EQ(folder.Content("1"), first_one->substr(folder.path().size() + 1));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(Rename_run_test, ExistingTargetKeepsItsContent)
{
    folder.Create_file("photo_2009.jpg");
    folder.Create_file("photo_2010.jpg", "precious");

    EXPECT_EQ(Run_expecting_error(), io_code::already_exists);
    EXPECT_STREQ(Io_error(io_code::already_exists).what(), "Erreur E/S 183");

    EXPECT_EQ(folder.Content("photo_2010.jpg"), "precious");
    EXPECT_EQ(folder.Content("photo_2009.jpg"), "photo_2009.jpg");
}

TEST_F(Rename_run_test, NothingToDoGivesZeroAndTouchesNothing)
{
    folder.Create_file("photo_2009.jpg");
    struct Case {
        std::string directory;
        std::string search;
    };
    for (const Case& c : {Case{folder.File_path("missing"), "2009"}, Case{folder.path(), ""},
                          Case{folder.path(), "2011"}, Case{folder.File_path("photo_2009.jpg"), "2009"}}) {
        window.directory = c.directory;
        window.search = c.search;
        window.messages.clear();
        Run();
        EXPECT_TRUE(window.found.empty()) << c.directory << " / " << c.search;
        Expect_count_message(0);
    }
    EXPECT_EQ(folder.Names(), Names{"photo_2009.jpg"});
}

TEST_F(Rename_run_test, TrailingSlashInDirectoryTextIsKept)
{
    folder.Create_file("photo_2009.jpg");
    window.directory = folder.path() + "/";

    Run();

    EXPECT_EQ(window.found, Names{folder.path() + "//photo_2009.jpg"});
    EXPECT_EQ(folder.Names(), Names{"photo_2010.jpg"});
}

TEST_F(Rename_run_test, SearchTextEditedWhileListingAppliesToLaterEntries)
{
    // The folder's own path holds "b", so only a test on the name part keeps
    // the "a" files, listed before the edit, out of the renaming.
    const std::string directory = folder.File_path("b_folder");
    std::filesystem::create_directory(directory);
    for (const char* name : {"a1", "a2", "a3", "b1", "b2", "b3"})
        testing::Write_file(directory + "/" + name, name);
    window.directory = directory;
    window.search = "a";
    window.replacement = "z";
    constexpr int edit_before_event = 4;
    window.on_events = [](Recording_run_window& w) {
        if (w.events_processed == edit_before_event)
            w.search = "b";
    };

    const Names raw = Listing_order(directory);
    Run();

    Names expected_found;
    Names expected_after;
    for (std::size_t index = 0; index < raw.size(); ++index) {
        const std::string& name = raw[index];
        if (name == "." || name == "..")
            continue;
        const char letter = static_cast<int>(index) + 1 < edit_before_event ? 'a' : 'b';
        if (name[0] == letter)
            expected_found.push_back(directory + "/" + name);
    }
    const auto b_count = std::count_if(expected_found.begin(), expected_found.end(),
                                       [&](const std::string& path) { return path[directory.size() + 1] == 'b'; });
    EXPECT_EQ(window.found, expected_found);
    Expect_count_message(static_cast<int>(b_count));
    EXPECT_EQ(std::filesystem::exists(directory + "/a1"), true) << "no 'a' file is renamed";
}

TEST_F(Rename_run_test, DirectoryTextIsReadOnceWhenListingStarts)
{
    for (const char* name : {"a_2009", "b_2009", "c_2009"})
        folder.Create_file(name);
    window.on_events = [](Recording_run_window& w) { w.directory = "/elsewhere"; };

    Run();

    for (const std::string& path : window.found)
        EXPECT_TRUE(path.starts_with(folder.path() + "/")) << path;
    EXPECT_EQ(folder.Names(), (Names{"a_2010", "b_2010", "c_2010"}));
}

TEST_F(Rename_run_test, ClosingWindowWhileListingEndsRunBeforeAnyRename)
{
    for (const char* name : {"a_2009", "b_2009", "c_2009"})
        folder.Create_file(name);
    window.on_events = [](Recording_run_window& w) { w.closing = w.events_processed == 3; };

    Run();

    EXPECT_EQ(folder.Names(), (Names{"a_2009", "b_2009", "c_2009"}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(Rename_run_test, ReplacementEqualToSearchCountsAndChangesNothing)
{
    folder.Create_file("photo_2009.jpg");
    window.replacement = "2009";

    Run();

    EXPECT_EQ(folder.Names(), Names{"photo_2009.jpg"});
    Expect_count_message(1);
}

struct Bad_name_case {
    std::string name;
    std::string search;
    std::string replacement;
};

class Bad_new_name : public Rename_run_test, public ::testing::WithParamInterface<Bad_name_case> {};

TEST_P(Bad_new_name, IsRefusedAsInvalidBeforeTouchingFile)
{
    const Bad_name_case& c = GetParam();
    folder.Create_folder("sub");
    folder.Create_file(c.name);
    window.search = c.search;
    window.replacement = c.replacement;

    EXPECT_EQ(Run_expecting_error(), io_code::invalid_file_name);

    Names expected{c.name, "sub"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.Names(), expected);
    EXPECT_TRUE(std::filesystem::is_empty(folder.File_path("sub")));
}

INSTANTIATE_TEST_SUITE_P(Cases, Bad_new_name,
                         ::testing::Values(Bad_name_case{"a_x", "_", "/"}, Bad_name_case{"x", "x", "../x"},
                                           Bad_name_case{"x", "x", "sub/x"}, Bad_name_case{"x", "x", ""},
                                           Bad_name_case{".x", "x", ""}, Bad_name_case{"..x", "x", ""},
                                           Bad_name_case{"x", "x", std::string("a\0b", 3)}));

struct Injected_failure {
    int failing_rename;
    int code;
};

class Failed_rename : public Rename_run_test, public ::testing::WithParamInterface<Injected_failure> {};

TEST_P(Failed_rename, StopsAtThatFileAndKeepsEarlierRenames)
{
    const auto [failing_rename, code] = GetParam();
    for (int index = 0; index < 6; ++index)
        folder.Create_file("f" + std::to_string(index) + "_2009");
    Failing_file_system failing(failing_rename, code);

    try {
        Run_rename(window, failing);
        FAIL() << "no error raised";
    } catch (const Io_error& error) {
        EXPECT_EQ(error.code(), code);
    }

    ASSERT_EQ(window.found.size(), 6U);
    for (int item = 0; item < 6; ++item) {
        const std::string name = window.found[item].substr(folder.path().size() + 1);
        std::string renamed = name;
        renamed.replace(renamed.find("2009"), 4, "2010");
        const bool before_failure = item + 1 < failing_rename;
        EXPECT_EQ(folder.Content(before_failure ? renamed : name), name) << item;
    }
    EXPECT_TRUE(window.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, Failed_rename,
                         ::testing::Values(Injected_failure{1, 5}, Injected_failure{3, 2},
                                           Injected_failure{6, 183}, Injected_failure{4, 112}));

}  // namespace
}  // namespace quillot
