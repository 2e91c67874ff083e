// Saving and reading results files on disk: the old file survives a failed
// save, permissions and symbolic links are kept, and every failure carries
// the message the user will see.
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "resultsfile/results_file.h"

using namespace vexa;

namespace {

std::string readBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

ResultsTable twoSamples()
{
    ResultsTable table(3);
    table.setCell(1, 1, "Crianza");
    table.setCell(1, 2, "Rosé");
    table.setCell(5, 1, "67.3");
    table.setCell(9, 2, "7,90");
    return table;
}

mode_t permissions(const QString& path)
{
    struct stat st {};
    ::stat(path.toLocal8Bit().constData(), &st);
    return st.st_mode & 07777;
}

std::string failureOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const FileError& e) {
        return e.what();
    }
    return "no error";
}

// Writes the first half of what it is given, then fails as a full disk does.
std::size_t bytesBeforeFailure = 0;
int injectedError = 0;
ssize_t failingWrite(int fd, const void* data, std::size_t size)
{
    if (bytesBeforeFailure == 0) {
        errno = injectedError;
        return -1;
    }
    const std::size_t n = std::min(size, bytesBeforeFailure);
    bytesBeforeFailure -= n;
    return ::write(fd, data, n);
}

} // namespace

class DiskTest : public QObject {
    Q_OBJECT

private slots:
    void mapsSystemErrorsToMessages_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("message");
        QTest::newRow("ENOENT") << ENOENT << "File not found";
        QTest::newRow("ENOTDIR") << ENOTDIR << "Invalid filename";
        QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << "Invalid filename";
        QTest::newRow("EMFILE") << EMFILE << "Too many open files";
        QTest::newRow("ENFILE") << ENFILE << "Too many open files";
        QTest::newRow("EACCES") << EACCES << "File access denied";
        QTest::newRow("EPERM") << EPERM << "File access denied";
        QTest::newRow("EROFS") << EROFS << "File access denied";
        QTest::newRow("EISDIR") << EISDIR << "File access denied";
        QTest::newRow("ENOSPC") << ENOSPC << "Disk full";
        QTest::newRow("EDQUOT") << EDQUOT << "Disk full";
        QTest::newRow("EIO") << EIO << "I/O error 5";
        QTest::newRow("ENXIO") << ENXIO << QString("I/O error %1").arg(ENXIO);
    }

    void mapsSystemErrorsToMessages()
    {
        QFETCH(int, error);
        QFETCH(QString, message);
        QCOMPARE(QString::fromStdString(fileErrorMessage(error)), message);
        QCOMPARE(QString::fromUtf8(FileError(error).what()), message);
    }

    void savesAndReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Coordenadas.qrl");
        saveResultsFile(path.toStdString(), twoSamples());
        QCOMPARE(readBytes(path), encodeResultsFile(twoSamples()));
        QCOMPARE(readResultsFile(path.toStdString()), twoSamples());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Coordenadas.qrl"});
    }

    void replacingKeepsPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Lunes.TXT");
        writeBytes(path, "old");
        ::chmod(path.toLocal8Bit().constData(), 0640);
        saveResultsFile(path.toStdString(), twoSamples());
        QCOMPARE(permissions(path), mode_t(0640));
        QCOMPARE(readResultsFile(path.toStdString()), twoSamples());

        // A new file gets the permissions the user's file-creation mask gives.
        const mode_t mask = ::umask(022);
        const QString fresh = dir.filePath("Martes.TXT");
        saveResultsFile(fresh.toStdString(), twoSamples());
        ::umask(mask);
        QCOMPARE(permissions(fresh), mode_t(0644));
    }

    void writesThroughSymbolicLinks()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("data");
        const QString target = dir.filePath("data/Lunes.qrl");
        const QString link = dir.filePath("today.qrl");
        writeBytes(target, "old");
        QVERIFY(QFile::link("data/Lunes.qrl", link)); // relative to the link's folder
        saveResultsFile(link.toStdString(), twoSamples());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readResultsFile(target.toStdString()), twoSamples());

        // A link to a file not made yet makes that file.
        const QString dangling = dir.filePath("tomorrow.qrl");
        QVERIFY(QFile::link(dir.filePath("data/Martes.qrl"), dangling));
        saveResultsFile(dangling.toStdString(), twoSamples());
        QVERIFY(QFileInfo(dangling).isSymLink());
        QCOMPARE(readResultsFile(dir.filePath("data/Martes.qrl").toStdString()), twoSamples());
    }

    // A save that fails part-way leaves the old file as it was and no trace of the new one.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("bytesWritten");
        QTest::addColumn<QString>("message");
        QTest::newRow("disk full at once") << ENOSPC << 0 << "Disk full";
        QTest::newRow("disk full part-way") << ENOSPC << 20 << "Disk full";
        QTest::newRow("device gone part-way") << EIO << 20 << "I/O error 5";
    }

    void failedSaveKeepsTheOldFile()
    {
        QFETCH(int, error);
        QFETCH(int, bytesWritten);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath("Coordenadas.qrl");
        const std::string old = encodeResultsFile(ResultsTable(1));
        writeBytes(path, old);

        injectedError = error;
        bytesBeforeFailure = static_cast<std::size_t>(bytesWritten);
        const WriteCall original = replaceWriteCall(&failingWrite);
        const std::string failure = failureOf([&] { saveResultsFile(path.toStdString(), twoSamples()); });
        replaceWriteCall(original);

        QCOMPARE(QString::fromStdString(failure), message);
        QCOMPARE(readBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"Coordenadas.qrl"});
    }

    void failsWhereThePlainRewriteWouldFail()
    {
        if (::geteuid() == 0)
            QSKIP("runs as root, whom file permissions do not stop");
        QTemporaryDir dir;
        const QString locked = dir.filePath("locked");
        QDir(dir.path()).mkdir("locked");
        const QString path = locked + "/Coordenadas.qrl";
        writeBytes(path, "old");
        ::chmod(locked.toLocal8Bit().constData(), 0555);
        const std::string failure = failureOf([&] { saveResultsFile(path.toStdString(), twoSamples()); });
        ::chmod(locked.toLocal8Bit().constData(), 0755);
        QCOMPARE(failure, std::string("File access denied"));
        QCOMPARE(readBytes(path), std::string("old"));

        // A read-only file is not replaced, although its folder would allow it.
        const QString readOnly = dir.filePath("readonly.qrl");
        writeBytes(readOnly, "old");
        ::chmod(readOnly.toLocal8Bit().constData(), 0444);
        QCOMPARE(failureOf([&] { saveResultsFile(readOnly.toStdString(), twoSamples()); }),
                 std::string("File access denied"));
        QCOMPARE(readBytes(readOnly), std::string("old"));
    }

    void reportsFailuresByTheirMessages()
    {
        QTemporaryDir dir;
        const std::string base = dir.path().toStdString();
        writeBytes(dir.filePath("plain"), "x");
        QCOMPARE(failureOf([&] { readResultsFile(base + "/missing.qrl"); }), std::string("File not found"));
        QCOMPARE(failureOf([&] { readResultsFile(base + "/plain/x.qrl"); }), std::string("Invalid filename"));
        QCOMPARE(failureOf([&] { readResultsFile(base); }), std::string("File access denied"));
        QCOMPARE(failureOf([&] { saveResultsFile(base + "/missing/x.qrl", twoSamples()); }),
                 std::string("File not found"));
        QCOMPARE(failureOf([&] { saveResultsFile(base, twoSamples()); }), std::string("File access denied"));
        QCOMPARE(failureOf([&] { readResultsFile(base + "/" + std::string(300, 'n')); }),
                 std::string("Invalid filename"));
    }

    void refusedFileIsNamedByTheCaller()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("notes.txt");
        writeBytes(path, "one line only\n");
        try {
            readResultsFile(path.toStdString());
            QFAIL("accepted");
        } catch (const NotAResultsFile& e) {
            QCOMPARE(e.reason(), std::string("1 line, at least 8"));
        }
    }
};

QTEST_APPLESS_MAIN(DiskTest)
#include "tst_disk.moc"
