#include "io_error.h"
#include "name_substitution.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

struct Substitution_case {
    std::string name;
    std::string search;
    std::string replacement;
    std::string expected;
};

class Replace_in_name_test : public ::testing::TestWithParam<Substitution_case> {};

TEST_P(Replace_in_name_test, YieldsExpectedName)
{
    const Substitution_case& c = GetParam();
    EXPECT_EQ(Replace_in_name(c.name, c.search, c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Replace_in_name_test,
    ::testing::Values(
        Substitution_case{"photo_2009.jpg", "2009", "2010", "photo_2010.jpg"},
        Substitution_case{"abcabc", "bc", "X", "aXabc"},
        Substitution_case{"a_a_a", "a", "b", "b_a_a"},
        Substitution_case{"aaa", "aa", "b", "ba"},
        Substitution_case{"abc", "c", "", "ab"},
        Substitution_case{"abc", "abc", "Z", "Z"},
        Substitution_case{"abc", "abc", "", ""},
        Substitution_case{"ab", "b", "LONGER", "aLONGER"},
        Substitution_case{"ab", "a", "aa", "aab"},
        Substitution_case{"Photo.jpg", "photo", "x", "Photo.jpg"},
        Substitution_case{"report.txt", ".txt", ".bak", "report.bak"},
        Substitution_case{"abc", "", "X", "Xabc"},
        Substitution_case{"ab", "abc", "X", "ab"},
        Substitution_case{"", "a", "X", ""},
        Substitution_case{"\xff\xfe-\xe9t\xe9.txt", "\xe9", "e", "\xff\xfe-et\xe9.txt"},
        Substitution_case{"caf\xc3\xa9.txt", "\xc3", "", "caf\xa9.txt"},
        Substitution_case{std::string("a\0b", 3), std::string("\0", 1), "_", "a_b"}));

TEST(Replace_in_name, AcceptsResultOfExactlyBufferSize)
{
    const std::string name(4095, 'n');
    EXPECT_EQ(Replace_in_name(name + "x", "x", "y").size(), name_buffer_capacity);
}

TEST(Replace_in_name, RefusesResultLongerThanBufferWithNameTooLong)
{
    const std::string name(4095, 'n');
    try {
        Replace_in_name(name + "x", "x", "yz");
        FAIL() << "no error raised";
    } catch (const Io_error& error) {
        EXPECT_EQ(error.code(), io_code::name_too_long);
        EXPECT_STREQ(error.what(), "Erreur E/S 206");
    }
}

TEST(Build_new_name, TakesLastPrefixIndexAndLastMatchIndex)
{
    std::string buffer = "left over from before";
    Build_new_name("abcdef", "XY", buffer, 1, 3);
    EXPECT_EQ(buffer, "abXYef");
    Build_new_name("abcdef", "", buffer, -1, 5);
    EXPECT_EQ(buffer, "");
}

struct Contains_case {
    std::string text;
    std::string search;
    bool expected;
};

class Contains_test : public ::testing::TestWithParam<Contains_case> {};

TEST_P(Contains_test, IsExactByteTest)
{
    const Contains_case& c = GetParam();
    EXPECT_EQ(Contains(c.text, c.search), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Contains_test,
                         ::testing::Values(Contains_case{"abc", "", false}, Contains_case{"", "", false},
                                           Contains_case{"abc", "abcd", false}, Contains_case{"abc", "abc", true},
                                           Contains_case{"xabc", "bc", true}, Contains_case{"ABC", "abc", false},
                                           Contains_case{"\xe9t\xe9", "\xe9", true}));

}  // namespace
}  // namespace quillot
