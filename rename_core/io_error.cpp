#include "io_error.h"

#include <array>
#include <cerrno>
#include <string_view>
#include <utility>

namespace quillot {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 7> messages_of_their_own{{
    {2, "Fichier introuvable"},
    {3, "Nom de fichier incorrect"},
    {4, "Trop de fichiers ouverts"},
    {5, "Accès au fichier refusé"},
    {100, "Lecture au-delà de la fin de fichier"},
    {101, "Disque plein"},
    {106, "Saisie numérique incorrecte"},
}};

const std::string_view* Message_of_its_own(int code)
{
    for (const auto& [known_code, message] : messages_of_their_own)
        if (known_code == code)
            return &message;
    return nullptr;
}

}  // namespace

Io_error::Io_error(int code) : std::runtime_error(Io_error_message(code)), code_(code) {}

std::string Io_error_message(int code)
{
    if (const std::string_view* message = Message_of_its_own(code))
        return std::string(*message);
    return "Erreur E/S " + std::to_string(code);
}

int Io_code_from_errno(int errno_value)
{
    switch (errno_value) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS: return 5;
    case EEXIST:
    case ENOTEMPTY: return 183;
    case ENAMETOOLONG: return 206;
    case ENOSPC: return 112;
    case EBUSY: return 32;
    case EXDEV: return 17;
    case EINVAL: return 87;
    default:
        // EIO is 5 and EINTR is 4: carried as they are, they would borrow the
        // message of another cause ("Accès au fichier refusé", "Trop de
        // fichiers ouverts"), so such numbers count as a device I/O failure.
        return Message_of_its_own(errno_value) ? io_code::device_failure : errno_value;
    }
}

}  // namespace quillot
