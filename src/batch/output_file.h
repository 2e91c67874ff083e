#pragma once

#include <fstream>
#include <string>

namespace vexa {

// An output file that appears only when it is complete: everything is
// written to a hidden temporary file beside it, which commit() renames over
// the final name. A run that fails before commit() leaves no file behind,
// and an existing file of that name stays as it was.
class AtomicOutputFile {
public:
    // Creates the temporary file. Throws BatchError when that fails.
    explicit AtomicOutputFile(std::string path);
    ~AtomicOutputFile();
    AtomicOutputFile(const AtomicOutputFile&) = delete;
    AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

    const std::string& path() const { return path_; }
    // For writers that open files by name (pictures, PDFs); they must
    // replace this file's contents.
    const std::string& temporaryPath() const { return temporaryPath_; }

    // The temporary file as a binary stream, opened on first use.
    std::ostream& stream();

    // Flushes and closes the stream, then renames the temporary file to the
    // final name. Throws BatchError when any step fails.
    void commit();

private:
    std::string path_;
    std::string temporaryPath_;
    std::ofstream stream_;
    bool committed_ = false;
};

} // namespace vexa
