// The floor: the least a program can do for the same work. It lists the
// folder, keeps the names that contain the search text, then renames each
// with renameat2(RENAME_NOREPLACE) relative to the open folder, and nothing
// else.
// Usage: quillot_floor FOLDER SEARCH REPLACEMENT
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: quillot_floor FOLDER SEARCH REPLACEMENT\n", stderr);
        return 2;
    }
    const std::string search = argv[2];
    const std::string replacement = argv[3];
    DIR* folder = opendir(argv[1]);
    if (!folder) {
        std::perror(argv[1]);
        return 1;
    }
    std::vector<std::string> names;
    while (const dirent* entry = readdir(folder))
        if (entry->d_type != DT_DIR && std::strstr(entry->d_name, search.c_str()))
            names.emplace_back(entry->d_name);
    int failures = 0;
    for (std::string& name : names) {
        const std::string old_name = name;
        name.replace(name.find(search), search.size(), replacement);
        if (renameat2(dirfd(folder), old_name.c_str(), dirfd(folder), name.c_str(), RENAME_NOREPLACE) != 0)
            ++failures;
    }
    closedir(folder);
    std::printf("renamed=%zu failed=%d\n", names.size() - failures, failures);
    return failures == 0 ? 0 : 1;
}
