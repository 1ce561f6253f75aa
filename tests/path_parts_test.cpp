#include "path_parts.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

struct Path_case {
    std::string path;
    std::string directory;
    std::string name;
};

void Expect_parts(const Path_case& c, const Path_style& style)
{
    EXPECT_EQ(Directory_part(c.path, style), c.directory) << c.path;
    EXPECT_EQ(Name_part(c.path, style), c.name) << c.path;
}

class Windows_path_parts : public ::testing::TestWithParam<Path_case> {};
TEST_P(Windows_path_parts, Split) { Expect_parts(GetParam(), windows_path_style); }
INSTANTIATE_TEST_SUITE_P(Cases, Windows_path_parts,
                         ::testing::Values(Path_case{"c:\\photos\\a.jpg", "c:\\photos", "a.jpg"},
                                           Path_case{"c:\\a.jpg", "c:\\", "a.jpg"},
                                           Path_case{"\\a.jpg", "\\", "a.jpg"},
                                           Path_case{"c:\\\\a.jpg", "c:\\\\", "a.jpg"},
                                           Path_case{"a.jpg", "", "a.jpg"},
                                           Path_case{"c:a.jpg", "c:", "a.jpg"},
                                           Path_case{"c:\\photos\\2009\\", "c:\\photos\\2009", ""}));

class Posix_path_parts : public ::testing::TestWithParam<Path_case> {};
TEST_P(Posix_path_parts, Split) { Expect_parts(GetParam(), posix_path_style); }
INSTANTIATE_TEST_SUITE_P(Cases, Posix_path_parts,
                         ::testing::Values(Path_case{"/photos/a.jpg", "/photos", "a.jpg"},
                                           Path_case{"/a.jpg", "/", "a.jpg"},
                                           Path_case{"//a.jpg", "//", "a.jpg"},
                                           Path_case{"a.jpg", "", "a.jpg"},
                                           Path_case{"/photos/c:a.jpg", "/photos", "c:a.jpg"},
                                           Path_case{"photos/a\\b.jpg", "photos", "a\\b.jpg"},
                                           Path_case{"/photos//a.jpg", "/photos//", "a.jpg"}));

TEST(Join_path, PutsStyleSeparatorBetween)
{
    EXPECT_EQ(Join_path("c:\\\\", "b.jpg", windows_path_style), "c:\\\\\\b.jpg");
    EXPECT_EQ(Join_path("/", "b.jpg", posix_path_style), "//b.jpg");
    EXPECT_EQ(Join_path("/photos", "b.jpg", posix_path_style), "/photos/b.jpg");
}

}  // namespace
}  // namespace quillot
