#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// The system calls a file replacement makes, so that tests can make any one of them fail the
// way a full disk or a read-only directory does.
struct FileCalls {
    int (*MakeTemporary)(char* nameTemplate);
    ssize_t (*Write)(int fd, const void* data, std::size_t size);
    int (*Sync)(int fd);
    int (*Rename)(const char* from, const char* to);
};
FileCalls SystemFileCalls();

// Gives the existing file at `path` the new content without ever leaving it half written: the
// content goes to a temporary file beside it, is flushed to the disk, and the temporary file is
// renamed over the old one. The file keeps its permission bits (and its owner where that can be
// set). A symbolic link is followed, so the link stays and its target gets the content. On any
// failure the old file is left as it was, the temporary file is removed and false returned
// with errno saying why. Temporary files left by a save that was killed are removed first (see
// RemoveStaleTemporaries).
bool ReplaceFileContent(const std::string& path, const std::string& content,
                        const FileCalls& calls = SystemFileCalls());

// Writes `content` to the file at `path`, creating it when there is none, such that the name
// never shows a partial file: a regular file (new or old) gets its content as
// ReplaceFileContent gives it; something else by that name (a device such as /dev/full, a
// FIFO) is written directly, since there is nothing to swap. The write, the flush and the close
// are all checked; false with errno saying why on any failure.
bool WriteFileContent(const std::string& path, const std::string& content,
                      const FileCalls& calls = SystemFileCalls());

// A save that was killed leaves its temporary file ("stowly.ini.Ab12Cd") behind. Every save
// holds a lock on its own temporary file until the rename, and a killed process holds none, so
// a temporary file of this name pattern beside the file at `path` that can be locked is stale
// and is removed. Files of any other name, and temporary files of a save still running, stay.
void RemoveStaleTemporaries(const std::string& path);
