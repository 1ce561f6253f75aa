#pragma once

#include <stdexcept>
#include <string>

namespace quillot {

// The failure of a file operation. It carries the system's code, and its
// message is chosen by that code so that the error report reads the same
// whichever layer raised it.
class Io_error : public std::runtime_error {
public:
    explicit Io_error(int code);

    int code() const noexcept { return code_; }

private:
    int code_;
};

// Codes of the I/O error table that the run raises itself.
namespace io_code {
inline constexpr int file_not_found = 2;
inline constexpr int invalid_file_name = 3;
inline constexpr int already_exists = 183;
inline constexpr int name_too_long = 206;
inline constexpr int device_failure = 1117;
}  // namespace io_code

std::string Io_error_message(int code);

// Maps a POSIX errno value to the code the error table speaks of.
int Io_code_from_errno(int errno_value);

}  // namespace quillot
