#include "settings/replacefile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(const FileCalls& calls, int fd, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = calls.Write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename itself is only durable once the directory entry is on the disk too; a failure
// here leaves a complete file either way, so it is not reported.
void SyncDirectory(const std::string& directory, const FileCalls& calls) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    calls.Sync(fd);
    ::close(fd);
}

} // namespace

FileCalls SystemFileCalls() {
    return {::mkstemp, ::write, ::fsync, ::rename};
}

bool ReplaceFileContent(const std::string& path, const std::string& content,
                        const FileCalls& calls) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                         &std::free);
    if (!resolved)
        return false;
    const std::string target = resolved.get();
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode))
        return false;

    std::string name = target + ".XXXXXX";
    const int fd = calls.MakeTemporary(name.data());
    if (fd < 0)
        return false;
    // Owner first: changing it may clear the set-id bits that the mode then restores. Both are
    // best effort: only the superuser may give a file away, and some file systems keep no
    // modes; the content matters more than either.
    [[maybe_unused]] const int ownerKept = ::fchown(fd, old.st_uid, old.st_gid);
    [[maybe_unused]] const int modeKept = ::fchmod(fd, old.st_mode & 07777);
    bool ok = WriteAll(calls, fd, content) && calls.Sync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && calls.Rename(name.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(name.c_str());
        return false;
    }
    SyncDirectory(target.substr(0, target.find_last_of('/') + 1), calls);
    return true;
}
