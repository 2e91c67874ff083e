// Saving and reading results files on disk, with the system's error numbers
// turned into the messages the user sees.
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "resultsfile/results_file.h"

namespace vexa {

namespace {

WriteCall writeCall = &::write;

// An open file descriptor, closed when it goes out of scope; close() reports
// the error of an explicit close.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR)
            throw FileError(errno);
    }

private:
    int fd_;
};

// A new file beside the target that is removed again unless it replaced it.
struct TemporaryFile {
    std::string path;
    bool replacedTarget = false;
    ~TemporaryFile()
    {
        if (!path.empty() && !replacedTarget)
            ::unlink(path.c_str());
    }
};

std::string directoryPart(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a path names in the end: a symbolic link is followed to its
// target (which need not exist yet), as writing through the link would.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            throw FileError(errno);
        if (static_cast<std::size_t>(length) >= target.size())
            throw FileError(ENAMETOOLONG);
        std::string next(target.data(), static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : directoryPart(path) + next;
    }
    throw FileError(ELOOP);
}

void writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = writeCall(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw FileError(errno);
        }
        if (written == 0)
            throw FileError(EIO);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void flush(int fd)
{
    // A file system that cannot flush (EINVAL) keeps the data all the same.
    if (::fsync(fd) != 0 && errno != EINVAL)
        throw FileError(errno);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileError::FileError(int errorNumber) : std::runtime_error(fileErrorMessage(errorNumber)), errorNumber_(errorNumber)
{
}

std::string fileErrorMessage(int errorNumber)
{
    switch (errorNumber) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
        return "Invalid filename";
    case EMFILE:
    case ENFILE:
        return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder cannot be opened as a file, nor replaced by one
        return "File access denied";
    case ENOSPC:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

WriteCall replaceWriteCall(WriteCall call)
{
    const WriteCall old = writeCall;
    writeCall = call ? call : &::write;
    return old;
}

void saveResultsFile(const std::string& path, const ResultsTable& table)
{
    const std::string bytes = encodeResultsFile(table);
    const std::string target = followLinks(path);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        throw FileError(errno);

    if (exists && !S_ISREG(old.st_mode)) {
        // A device or pipe is written into; there is no old file to keep.
        Descriptor file(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY));
        if (file.get() < 0)
            throw FileError(errno);
        writeAll(file.get(), bytes);
        file.close();
        return;
    }
    if (exists) {
        // A file the user may not write is not replaced either.
        Descriptor probe(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (probe.get() < 0)
            throw FileError(errno);
        probe.close();
    }

    TemporaryFile temporary;
    std::string pattern = directoryPart(target) + ".vexa-save-XXXXXX";
    Descriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.get() < 0)
        throw FileError(errno);
    temporary.path = pattern;

    if (::fchmod(file.get(), exists ? (old.st_mode & 07777) : newFileMode()) != 0)
        throw FileError(errno);
    if (exists) {
        // Keeping the owner needs privileges; without them the saving user owns the file.
        [[maybe_unused]] const int ignored = ::fchown(file.get(), old.st_uid, old.st_gid);
    }
    writeAll(file.get(), bytes);
    flush(file.get());
    file.close();

    if (::rename(temporary.path.c_str(), target.c_str()) != 0)
        throw FileError(errno);
    temporary.replacedTarget = true;

    // Make the new name itself durable; a folder that cannot be flushed
    // still holds the new file.
    const std::string directory = directoryPart(target);
    Descriptor folder(::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

ResultsTable readResultsFile(const std::string& path)
{
    std::string bytes;
    {
        Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
        if (file.get() < 0)
            throw FileError(errno);
        struct stat st {};
        if (::fstat(file.get(), &st) == 0 && S_ISREG(st.st_mode))
            bytes.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                throw FileError(errno);
            }
            if (got == 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        file.close();
    }
    return decodeResultsFile(bytes);
}

} // namespace vexa
