#include "settings/replacefile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(const FileCalls& calls, int fd, const std::string& content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = calls.Write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO; // no progress and no reason given
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

// Whether `name` is `base` followed by a point and the six characters mkstemp fills in.
bool TemporaryName(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 7 || name.substr(0, base.size()) != base ||
        name[base.size()] != '.')
        return false;
    for (const char c : name.substr(base.size() + 1))
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

void RemoveTemporariesBeside(const std::string& directory, const std::string& base) {
    DIR* dir = ::opendir(directory.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!TemporaryName(entry->d_name, base))
            continue;
        const std::string name = directory + entry->d_name;
        const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(name.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

std::string ResolvedPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

} // namespace

void RemoveStaleTemporaries(const std::string& path) {
    const std::string target = ResolvedPath(path);
    if (target.empty())
        return;
    const std::size_t slash = target.find_last_of('/') + 1;
    RemoveTemporariesBeside(target.substr(0, slash), target.substr(slash));
}

FileCalls SystemFileCalls() {
    return {::mkstemp, ::write, ::fsync, ::rename};
}

namespace {

// The content into a fresh temporary file beside `target`, flushed to the disk and renamed over
// it. `old` is the file being replaced, whose owner and mode the new one keeps; without one the
// new file has the mode a program's new files get (0666 less the umask).
bool WriteThroughTemporary(const std::string& target, const std::string& content,
                           const struct stat* old, const FileCalls& calls) {
    const std::size_t slash = target.find_last_of('/') + 1;
    const std::string directory = target.substr(0, slash);
    RemoveTemporariesBeside(directory, target.substr(slash));

    std::string name = target + ".XXXXXX";
    const int fd = calls.MakeTemporary(name.data());
    if (fd < 0)
        return false;
    // Marks the temporary file as in use until the rename (see RemoveStaleTemporaries).
    ::flock(fd, LOCK_EX);
    if (old != nullptr) {
        // Owner first: changing it may clear the set-id bits that the mode then restores. Both
        // are best effort: only the superuser may give a file away, and some file systems keep
        // no modes; the content matters more than either.
        [[maybe_unused]] const int ownerKept = ::fchown(fd, old->st_uid, old->st_gid);
        [[maybe_unused]] const int modeKept = ::fchmod(fd, old->st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        [[maybe_unused]] const int modeSet = ::fchmod(fd, 0666 & ~mask);
    }
    bool ok = WriteAll(calls, fd, content) && calls.Sync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && calls.Rename(name.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int failure = errno;
        ::unlink(name.c_str());
        errno = failure;
        return false;
    }
    SyncDirectory(directory, calls);
    return true;
}

// Straight into something that is not a regular file (a device, a FIFO): there is nothing to
// replace and no directory entry to swap, but the write and the close are still checked.
bool WriteInPlace(const std::string& path, const std::string& content, const FileCalls& calls) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    bool ok = WriteAll(calls, fd, content);
    const int failure = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok && errno == 0)
        errno = failure;
    return ok;
}

} // namespace

bool ReplaceFileContent(const std::string& path, const std::string& content,
                        const FileCalls& calls) {
    const std::string target = ResolvedPath(path);
    if (target.empty())
        return false;
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0)
        return false;
    if (!S_ISREG(old.st_mode)) {
        errno = EINVAL;
        return false;
    }
    return WriteThroughTemporary(target, content, &old, calls);
}

bool WriteFileContent(const std::string& path, const std::string& content, const FileCalls& calls) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return WriteInPlace(path, content, calls);
        return ReplaceFileContent(path, content, calls);
    }
    if (errno != ENOENT)
        return false;
    // A new file. (A dangling link by that name is replaced by the file.)
    std::string target = path;
    if (target.find('/') == std::string::npos)
        target = "./" + target;
    return WriteThroughTemporary(target, content, nullptr, calls);
}
