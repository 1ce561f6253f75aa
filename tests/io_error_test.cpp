#include "io_error.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace quillot {
namespace {

TEST(Io_error, MessageIsChosenByCode)
{
    const std::pair<int, std::string> table[] = {
        {2, "Fichier introuvable"},
        {3, "Nom de fichier incorrect"},
        {4, "Trop de fichiers ouverts"},
        {5, "Accès au fichier refusé"},
        {100, "Lecture au-delà de la fin de fichier"},
        {101, "Disque plein"},
        {106, "Saisie numérique incorrecte"},
        {183, "Erreur E/S 183"},
        {0, "Erreur E/S 0"},
        {-1, "Erreur E/S -1"},
    };
    for (const auto& [code, message] : table) {
        const Io_error error(code);
        EXPECT_EQ(error.code(), code);
        EXPECT_EQ(error.what(), message) << code;
    }
}

TEST(Io_error, CodeIsMappedFromErrno)
{
    const std::pair<int, int> table[] = {
        {ENOENT, 2},   {ENOTDIR, 3},  {EMFILE, 4},        {ENFILE, 4},    {EACCES, 5},
        {EPERM, 5},    {EROFS, 5},    {EEXIST, 183},      {ENOTEMPTY, 183}, {ENAMETOOLONG, 206},
        {ENOSPC, 112}, {EBUSY, 32},   {EXDEV, 17},        {EINVAL, 87},   {ELOOP, ELOOP},
        {EDQUOT, EDQUOT},
        // Numbers of codes with a message of their own are not carried as they are.
        {EIO, 1117}, {EINTR, 1117}, {ESRCH, 1117}, {ENETDOWN, 1117}, {ENETUNREACH, 1117}, {EISCONN, 1117},
    };
    for (const auto& [errno_value, code] : table)
        EXPECT_EQ(Io_code_from_errno(errno_value), code) << errno_value;
}

}  // namespace
}  // namespace quillot
