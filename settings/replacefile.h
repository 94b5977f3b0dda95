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
// failure the old file is left as it was, the temporary file is removed and false returned.
bool ReplaceFileContent(const std::string& path, const std::string& content,
                        const FileCalls& calls = SystemFileCalls());
