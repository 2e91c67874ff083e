#include "batch/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "batch/sample_rows.h"

namespace vexa {
namespace {

std::string systemError(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

} // namespace

AtomicOutputFile::AtomicOutputFile(std::string path) : path_(std::move(path))
{
    const auto slash = path_.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path_.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    if (base.empty())
        throw OutputError("'" + path_ + "' is a directory, not a file name");

    std::string pattern = directory + "." + base + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        throw OutputError(systemError("cannot write " + path_, errno));
    // A new file gets the permissions any file made by this user gets.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    close(fd);
    temporaryPath_ = name.data();
}

AtomicOutputFile::~AtomicOutputFile()
{
    if (!committed_) {
        if (stream_.is_open())
            stream_.close();
        std::remove(temporaryPath_.c_str());
    }
}

std::ostream& AtomicOutputFile::stream()
{
    if (!stream_.is_open()) {
        stream_.open(temporaryPath_, std::ios::binary | std::ios::trunc);
        if (!stream_)
            throw OutputError("cannot write " + path_);
    }
    return stream_;
}

void AtomicOutputFile::commit()
{
    if (stream_.is_open()) {
        stream_.close();
        if (!stream_)
            throw OutputError("cannot write " + path_ + " (disk full?)");
    }
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        throw OutputError(systemError("cannot write " + path_, errno));
    committed_ = true;
}

} // namespace vexa
