#include "io_error.h"

#include <cerrno>

namespace quillot {

Io_error::Io_error(int code) : std::runtime_error(Io_error_message(code)), code_(code) {}

std::string Io_error_message(int code)
{
    switch (code) {
    case 2: return "Fichier introuvable";
    case 3: return "Nom de fichier incorrect";
    case 4: return "Trop de fichiers ouverts";
    case 5: return "Accès au fichier refusé";
    case 100: return "Lecture au-delà de la fin de fichier";
    case 101: return "Disque plein";
    case 106: return "Saisie numérique incorrecte";
    default: return "Erreur E/S " + std::to_string(code);
    }
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
    default: return errno_value;
    }
}

}  // namespace quillot
