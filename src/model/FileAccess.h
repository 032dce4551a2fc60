// Reading and replacing files without blocking on what is not a file and
// without ever leaving a half-written file where a good one stood.
#pragma once

// std
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

// Why a file could not be opened for reading.
enum class FileOpenError
{
    None,
    Missing,    // no such file (or a folder on the way is missing)
    Denied,     // no permission to read it
    NotRegular, // a folder, pipe, device or socket
    Unreadable, // anything else the system refused
};

struct FileCloser
{
    void operator()(std::FILE* file) const;
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a regular file for reading. A named pipe, a device or a folder is
// refused at once: opening one for a plain read could block the caller for
// ever (a pipe without a writer) or read endless bytes (a device).
FilePtr OpenRegularFile(const std::string& path, FileOpenError& error);

// Replaces the file at path with the given bytes so that, whatever fails, the
// path holds either the old file or the complete new one: the bytes go to a
// new file in the same folder, reach the disk, take the old file's permission
// bits and are renamed over the target. A symbolic link is followed, so the
// file it names is replaced and the link stays. False, with the old file
// untouched and no temporary file left, when any step fails, when the target
// is a folder or not a regular file.
// errno then holds the system's reason (EISDIR for a folder, EINVAL for any
// other file that is not a regular one).
[[nodiscard]] bool SaveFileSafely(const std::string& path, const std::uint8_t* data,
                                  std::size_t size);

// Whether SaveFileSafely could replace the file at path now: the target is a
// regular file or missing, and a new file can be made beside it (made and
// removed again). False with errno as SaveFileSafely leaves it. For a check
// before a long operation whose result would otherwise be lost.
[[nodiscard]] bool CanSaveFileSafely(const std::string& path);

// Makes folder and the folders missing on the way to it, each owner-only (they
// hold customers' radios); a folder the user already has keeps the
// permissions the user gave it. Whether folder is a folder afterwards.
[[nodiscard]] bool MakeOwnerOnlyFolders(const std::string& folder);
