#include "whole_file.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kNewFileMode = 0666; // less the umask, as open(2) does
constexpr int kNameAttempts = 100;
constexpr int kRandomLength = 6;
constexpr std::string_view kNameCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// A hidden name beside `target`: ".target-XXXXXX".
std::string StagingName(const std::filesystem::path& target, std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> pick(0, kNameCharacters.size() - 1);
    std::string suffix(kRandomLength, ' ');
    for (char& c : suffix) {
        c = kNameCharacters[pick(random)];
    }
    return (target.parent_path() / ("." + target.filename().string() + "-" + suffix)).string();
}

// write(2) until every byte is taken; errno, or 0.
int WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The staging file's bytes on the disk, whole: written, synced, of the data's size; errno or 0.
int FillStaging(int fd, std::string_view data, const struct stat* replaced) {
    if (replaced != nullptr && ::fchmod(fd, replaced->st_mode & 07777) != 0) {
        return errno;
    }
    if (const int error = WriteAll(fd, data); error != 0) {
        return error;
    }
    if (::fsync(fd) != 0) {
        return errno;
    }
    struct stat written {};
    if (::fstat(fd, &written) != 0) {
        return errno;
    }
    return static_cast<std::size_t>(written.st_size) == data.size() ? 0 : ENOSPC;
}

void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // a folder some file systems cannot sync is no failure of the file's
        ::close(fd);
    }
}

} // namespace

std::optional<TFileFailure> WriteWholeFile(const std::string& path, std::string_view data) {
    const std::filesystem::path target(path);
    struct stat existing {};
    const bool replaces = ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);

    std::mt19937 random(std::random_device{}());
    std::string staging;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        staging = StagingName(target, random);
        fd = ::open(staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd < 0 && errno != EEXIST) {
            return TFileFailure{TFileStep::Create, errno};
        }
    }
    if (fd < 0) {
        return TFileFailure{TFileStep::Create, EEXIST};
    }
    int error = FillStaging(fd, data, replaces ? &existing : nullptr);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(staging.c_str());
        return TFileFailure{TFileStep::Write, error};
    }
    if (::rename(staging.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(staging.c_str());
        return TFileFailure{TFileStep::Rename, error};
    }
    SyncFolder(target.parent_path());
    return std::nullopt;
}

std::string FileFailureCause(int error) {
    switch (error) {
    case ENOSPC:
        return "na disku nie je dosť miesta";
    case EDQUOT:
        return "prekročili ste kvótu disku";
    case EFBIG:
        return "súbor je na tento disk príliš veľký";
    case EROFS:
        return "disk je len na čítanie";
    case EACCES:
        return "chýba povolenie na zápis";
    case EPERM:
        return "priečinok alebo súbor je chránený proti zmenám";
    case ENOENT:
        return "priečinok neexistuje";
    case ENOTDIR:
        return "cesta nevedie do priečinka";
    case EISDIR:
        return "na tom mieste je priečinok";
    case ENAMETOOLONG:
        return "názov je príliš dlhý";
    case EIO:
        return "zariadenie hlási chybu čítania alebo zápisu";
    case EEXIST:
        return "v priečinku sa nedá vytvoriť pomocný súbor";
    case EXDEV:
        return "súbor sa nedá presunúť na iný disk";
    default:
        return "chyba systému č. " + std::to_string(error);
    }
}

std::string FileFailureText(const TFileFailure& failure, std::string_view file,
                            std::string_view folder) {
    const std::string cause = FileFailureCause(failure.error);
    const std::string quoted =
        std::string("„") + std::string(failure.step == TFileStep::Create ? folder : file) + "“";
    switch (failure.step) {
    case TFileStep::Create:
        return "Do priečinka " + quoted + " sa nedá zapisovať: " + cause + ". Nič sa neuložilo.";
    case TFileStep::Write:
        return "Súbor " + quoted + " sa nepodarilo zapísať celý: " + cause + ". Nič sa neuložilo.";
    case TFileStep::Rename:
        break;
    }
    return "Súbor " + quoted + " sa nepodarilo uložiť: " + cause + ". Nič sa neuložilo.";
}
