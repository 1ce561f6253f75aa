#include "compact_path_list.h"

#include <gtest/gtest.h>

namespace quillot {
namespace {

TEST(Compact_path_list, GivesBackExactBytesInOrder)
{
    const std::vector<std::string> paths = {
        "/photos/a.jpg",
        "/photos/\xff\xfe.jpg",
        "/other/b.jpg",  // a row outside the shared folder
        "/photos/",
        "/photos/c.jpg",
        "no_folder",
        std::string("/photos/nul\0byte", 16),
    };
    Compact_path_list list;
    for (const std::string& path : paths)
        list.append(path);

    ASSERT_EQ(list.size(), paths.size());
    for (std::size_t index = 0; index < paths.size(); ++index)
        EXPECT_EQ(list.at(index), paths[index]) << index;
    EXPECT_THROW(list.at(paths.size()), std::out_of_range);
}

TEST(Compact_path_list, ClearStartsAfreshWithNewFolder)
{
    Compact_path_list list;
    list.append("/photos/a.jpg");
    list.clear();
    EXPECT_EQ(list.size(), 0U);
    list.append("relative.jpg");
    list.append("/photos/b.jpg");
    EXPECT_EQ(list.at(0), "relative.jpg");
    EXPECT_EQ(list.at(1), "/photos/b.jpg");
}

}  // namespace
}  // namespace quillot
