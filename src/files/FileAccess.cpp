// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileAccess.h"

#include "PathText.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zindle {

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Retries a system call that a signal interrupted.
template <typename Call>
auto retried(Call call)
{
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

} // namespace

bool ReadWholeFile(const QString &path, qint64 limit, QByteArray &bytes, QString &reason)
{
    FileText text;
    const bool read = ReadWholeFile(path, limit, bytes, text);
    if (!read)
        reason = text.english();
    return read;
}

bool ReadWholeFile(const QString &path, qint64 limit, QByteArray &bytes, FileText &reason)
{
    const QByteArray name = pathToBytes(path);
    const int fd = retried([&] { return ::open(name.constData(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0) {
        reason = FileText::plain(systemReason(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        reason = FileText(QT_TRANSLATE_NOOP("FileErrors", "it is a folder, not a file"));
        return false;
    }
    bytes.clear();
    // One byte more than the limit tells a file that is too long from one that just fits.
    const qint64 wanted = limit + 1;
    if (S_ISREG(info.st_mode))
        bytes.reserve(static_cast<qsizetype>(std::min<qint64>(info.st_size, wanted)));
    char chunk[65536];
    while (bytes.size() < wanted) {
        const size_t ask = static_cast<size_t>(std::min<qint64>(sizeof chunk, wanted - bytes.size()));
        const ssize_t got = retried([&] { return ::read(fd, chunk, ask); });
        if (got < 0) {
            reason = FileText::plain(systemReason(errno));
            ::close(fd);
            return false;
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
    ::close(fd);
    if (bytes.size() > limit) {
        bytes.clear();
        reason =
            FileText(QT_TRANSLATE_NOOP("FileErrors", "it is larger than %1 bytes, far more than any design file"))
                .arg(limit);
        return false;
    }
    return true;
}

namespace {

// The temporary file beside the target; removed unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;
    ~TemporaryFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!name.isEmpty())
            ::unlink(name.constData());
    }
    bool create(const QByteArray &target, mode_t mode)
    {
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
        const QByteArray base = slash < 0 ? target : target.mid(slash + 1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            name = folder + '.' + base.left(200) + ".tmp-"
                   + QByteArray::number(QRandomGenerator::global()->generate(), 36);
            fd = retried([&] { return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode); });
            if (fd >= 0)
                return true;
            if (errno != EEXIST)
                break;
        }
        name.clear();
        return false;
    }
    int fd = -1;
    QByteArray name;
};

// Writing through a link replaces the file it names, not the link. A link that leads nowhere
// (to nothing, or round in a loop) is refused: renaming over it would put a regular file
// where the student keeps a link.
bool resolveTarget(const QByteArray &path, QByteArray &target, FileText &reason)
{
    struct stat linkInfo {};
    if (::lstat(path.constData(), &linkInfo) != 0 || !S_ISLNK(linkInfo.st_mode)) {
        target = path;
        return true;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved)) {
        target = QByteArray(resolved);
        return true;
    }
    reason = errno == ENOENT
                 ? FileText(QT_TRANSLATE_NOOP("FileErrors", "it is a link to a file that does not exist"))
                 : FileText(QT_TRANSLATE_NOOP("FileErrors", "it is a link that leads nowhere (%1)"))
                       .arg(systemReason(errno));
    return false;
}

} // namespace

namespace {

// A file of a set whose bytes sit complete and flushed in a temporary file beside the target,
// waiting only for the rename.
struct PreparedFile {
    QString path;       // as the caller named it, for messages
    QByteArray target;  // the file to replace (a link resolved to the file it names)
    TemporaryFile temporary;
};

// Checks the target, writes the bytes to a temporary file beside it, flushes and closes it. On
// failure the temporary file is gone again and `reason` says why.
bool prepareFile(PreparedFile &file, const QByteArray &bytes, FileText &reason)
{
    if (file.path.isEmpty()) {
        reason = FileText(QT_TRANSLATE_NOOP("FileErrors", "the file name is empty"));
        return false;
    }
    if (!resolveTarget(pathToBytes(file.path), file.target, reason))
        return false;

    mode_t mode = 0666; // less the umask, as for any new file
    bool keepMode = false;
    struct stat info {};
    if (::stat(file.target.constData(), &info) == 0) {
        // A device, pipe or folder must never be replaced by a regular file.
        if (S_ISDIR(info.st_mode)) {
            reason = FileText(QT_TRANSLATE_NOOP("FileErrors", "it is a folder"));
            return false;
        }
        if (!S_ISREG(info.st_mode)) {
            reason = FileText(QT_TRANSLATE_NOOP("FileErrors", "it is not a regular file (a device, pipe or socket)"));
            return false;
        }
        mode = info.st_mode & 07777;
        keepMode = true;
    }

    TemporaryFile &temporary = file.temporary;
    if (!temporary.create(file.target, mode)) {
        reason = FileText::plain(systemReason(errno));
        return false;
    }
    if (keepMode)
        ::fchmod(temporary.fd, mode);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t done = retried([&] {
            return ::write(temporary.fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        });
        if (done < 0) {
            reason = FileText::plain(systemReason(errno));
            return false;
        }
        written += done;
    }
    // The kernel may accept data it later cannot store; only the flush to the disk tells.
    if (::fsync(temporary.fd) != 0) {
        reason = FileText::plain(systemReason(errno));
        return false;
    }
    const int fd = std::exchange(temporary.fd, -1);
    if (::close(fd) != 0) {
        reason = FileText::plain(systemReason(errno));
        return false;
    }
    return true;
}

bool putInPlace(PreparedFile &file, FileText &reason)
{
    if (::rename(file.temporary.name.constData(), file.target.constData()) != 0) {
        reason = FileText::plain(systemReason(errno));
        return false;
    }
    file.temporary.name.clear();
    return true;
}

// Two names of one set that lead to the same file (through a link, say) would leave one
// file where the set needs two.
bool sameFile(const PreparedFile &a, const PreparedFile &b)
{
    if (a.target == b.target)
        return true;
    struct stat first {}, second {};
    return ::stat(a.target.constData(), &first) == 0 && ::stat(b.target.constData(), &second) == 0
           && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

WriteOutcome WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    PreparedFile file;
    file.path = path;
    FileText reason;
    if (!prepareFile(file, bytes, reason) || !putInPlace(file, reason))
        return FailedWrite(writeError(path, reason));
    return Written();
}

WriteOutcome WriteFilesAtomically(const std::vector<FileToWrite> &files)
{
    // Every temporary file complete before the first rename: until then a failure (a full disk,
    // a folder in the way, a bad name) leaves every target as it was, and the temporaries go
    // with `prepared`.
    std::vector<std::unique_ptr<PreparedFile>> prepared;
    prepared.reserve(files.size());
    for (const FileToWrite &file : files) {
        auto next = std::make_unique<PreparedFile>();
        next->path = file.path;
        FileText reason;
        if (!prepareFile(*next, file.bytes, reason))
            return FailedWrite(writeError(file.path, reason));
        for (const auto &earlier : prepared)
            if (sameFile(*earlier, *next))
                return FailedWrite(writeError(file.path,
                    FileText(QT_TRANSLATE_NOOP("FileErrors", "it is the same file as \"%1\"")).arg(earlier->path)));
        prepared.push_back(std::move(next));
    }
    // A rename needs no room for the data, so the disk filling up can no longer part the set.
    // What remains possible is rare: the file system refusing a rename after all (the medium
    // removed or turned read-only, an input/output error, the folder's permissions changed or
    // a folder put in a target's place meanwhile) or the machine stopping between two renames.
    // Then the files before it are new and the rest old; the error says so.
    for (size_t i = 0; i < prepared.size(); ++i) {
        FileText reason;
        if (!putInPlace(*prepared[i], reason)) {
            if (i > 0)
                reason = FileText(QT_TRANSLATE_NOOP("FileErrors",
                                                    "%1; %2 of the %3 files before it were replaced already"))
                             .arg(reason)
                             .arg(static_cast<long long>(i))
                             .arg(static_cast<long long>(prepared.size()));
            return FailedWrite(writeError(prepared[i]->path, reason));
        }
    }
    return Written();
}

RemoveResult RemoveLeftoverFile(const QString &path, QString &reason)
{
    const QByteArray name = pathToBytes(path);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return RemoveResult::Missing;
        reason = systemReason(errno);
        return RemoveResult::Failed;
    }
    // A link goes, not the file it names; a folder, device or pipe is nothing this program wrote.
    if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
        return RemoveResult::Kept;
    if (::unlink(name.constData()) != 0) {
        reason = systemReason(errno);
        return RemoveResult::Failed;
    }
    return RemoveResult::Removed;
}

} // namespace zindle
