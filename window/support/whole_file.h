#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writing a file whole or not at all, free of the toolkit.
//
// Method
//   The bytes go into a hidden staging file beside the target (".name-XXXXXX" in the target's
//   folder, so that the last step is a rename within one file system), written with write(2)
//   until the kernel has taken every byte, fsync(2)ed, its size on the disk checked with fstat(2)
//   against the data's, closed, and renamed onto the target: rename(2) replaces an existing file
//   at once, so a reader sees the old file or the new one, never a part. The folder is synced
//   last, so that the rename itself survives a power cut.
//   The staging file takes the permissions of the file it replaces, or else the usual ones for a
//   new file (0666 less the process's umask).
//
// Failures
//   Whatever step fails, the staging file is removed and the target is left as it was. The
//   failure names the step and the errno it gave; a file that came out shorter than its data
//   without an errno (the case QSaveFile of Qt 6.4 reports as success on a full disk, keeping the
//   first 4,096 bytes) counts as a full disk, ENOSPC.
enum class TFileStep {
    Create, // the staging file could not be made in the target's folder
    Write,  // writing, syncing or closing the staging file
    Rename, // putting the staging file in the target's place
};

struct TFileFailure {
    TFileStep step;
    int error; // errno
};

// Writes `data` to `path` (in the file system's encoding), whole or not at all.
std::optional<TFileFailure> WriteWholeFile(const std::string& path, std::string_view data);

// The one Slovak line that tells why nothing was saved, naming what the user chose: `file` for a
// failed write or rename, `folder` for a staging file that could not be made there. UTF-8:
//   "Do priečinka „/media/usb“ sa nedá zapisovať: disk je len na čítanie. Nič sa neuložilo."
//   "Súbor „/tmp/kroky.csv“ sa nepodarilo zapísať celý: na disku nie je dosť miesta. Nič sa
//    neuložilo."
//   "Súbor „/tmp/kroky.csv“ sa nepodarilo uložiť: na tom mieste je priečinok. Nič sa neuložilo."
std::string FileFailureText(const TFileFailure& failure, std::string_view file,
                            std::string_view folder);

// The cause of a failure in Slovak words, for a message that goes on with it: "na disku nie je
// dosť miesta" (ENOSPC), "disk je len na čítanie" (EROFS), "chýba povolenie na zápis"
// (EACCES), "priečinok alebo súbor je chránený proti zmenám" (EPERM: an immutable folder) ...;
// an errno without a text of its own reads "chyba systému č. 71". UTF-8.
std::string FileFailureCause(int error);
