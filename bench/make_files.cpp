// Creates COUNT empty files named PREFIX<number>SUFFIX in FOLDER, fast
// enough for a million.
// Usage: quillot_make_files FOLDER COUNT PREFIX SUFFIX
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fputs("usage: quillot_make_files FOLDER COUNT PREFIX SUFFIX\n", stderr);
        return 2;
    }
    const int folder = open(argv[1], O_RDONLY | O_DIRECTORY);
    if (folder < 0) {
        std::perror(argv[1]);
        return 1;
    }
    const long count = std::strtol(argv[2], nullptr, 10);
    char number[32];
    for (long index = 0; index < count; ++index) {
        std::snprintf(number, sizeof number, "%07ld", index);
        const std::string name = std::string(argv[3]) + number + argv[4];
        const int file = openat(folder, name.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
        if (file < 0) {
            std::perror(name.c_str());
            return 1;
        }
        close(file);
    }
    close(folder);
    return 0;
}
