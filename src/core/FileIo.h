// Whole-file reading and atomic whole-file writing.
//
// Reading opens without blocking and reads only regular files: a FIFO, a
// device or a folder given as a save or a list is refused at once with a
// reason, never waited on. Writing goes to a hidden temporary file beside the
// target (".NAME.XXXXXX.tmp", a name of its own for every write, which
// nothing takes for a save), created readable by its owner alone and given
// the file's final permissions before a byte is written, synced, and renamed
// over the target, then the folder is synced, so a failed
// or killed write never destroys what was there. A target that is a symbolic
// link is written through to the file it names; an existing target must be a
// regular file its owner may write, and keeps its permission bits; a new one
// gets the usual ones for a file the user makes. A file that lies beside a
// save and belongs to it (its history, its journal) is written the same way,
// but never through a link: the player named the save, not that file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavo {

using Bytes = std::vector<unsigned char>;

struct FileRead {
    bool ok = false;
    Bytes bytes;                // the first maxBytes of the file at most
    std::uint64_t fileSize = 0; // the whole file's size, however much was read
    std::string reason;         // why it could not be read, when !ok
};

// Reads at most maxBytes from the start of a regular file.
FileRead readRegularFile(const std::string& path, std::size_t maxBytes);

// Whether a file can be written beside `path` (a temporary file is made
// and removed; the file itself is not touched).
bool canWriteBeside(const std::string& path);

// Replaces the file with exactly these bytes. False (and the old file
// untouched, no temporary file left) when the name is empty, the target is
// not a regular file, is protected against writing by its owner, or the
// temporary file cannot be created, written, synced or renamed; `reason`,
// when given, then receives the path and the system's reason ("Permission
// denied", "No space left on device"). A successful write also removes the
// temporary files of the same file that killed writes left more than an hour
// ago; younger ones may be another write's still going on.
bool writeFileAtomically(const std::string& path, const void* data, std::size_t size,
                         std::string* reason = nullptr);

// Replaces the file at `sidecarPath`, which belongs to the save at
// `savePath`, with exactly these bytes: a temporary file in the sidecar's
// folder, given the save's owner and permission bits, renamed over the
// sidecar's own name. A symbolic link there is replaced, its target left as
// it was; anything else is refused as writeFileAtomically refuses it.
bool writeSidecarFile(const std::string& savePath, const std::string& sidecarPath, const void* data,
                      std::size_t size, std::string* reason = nullptr);

// A new empty file beside `path` whose name no other write uses (the
// temporary-file name of `path`, swept as a leftover of its writes when an
// hour old), for a file that is written whole and then renamed to `path`;
// empty (and `reason` set) when it cannot be made.
std::string makeTemporaryBeside(const std::string& path, std::string* reason = nullptr);

} // namespace tavo
