#include "FileAccess.h"

#include "PathText.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
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
    const QByteArray name = pathToBytes(path);
    const int fd = retried([&] { return ::open(name.constData(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0) {
        reason = systemReason(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        reason = QStringLiteral("it is a folder, not a file");
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
            reason = systemReason(errno);
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
        reason = QStringLiteral("it is larger than %1 bytes, far more than any design file").arg(limit);
        return false;
    }
    return true;
}

namespace {

// The temporary file beside the target; removed unless it was renamed over the target.
class TemporaryFile {
public:
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

// Writing through a link replaces the file it names, not the link.
QByteArray resolvedTarget(const QByteArray &path)
{
    struct stat linkInfo {};
    char resolved[PATH_MAX];
    if (::lstat(path.constData(), &linkInfo) == 0 && S_ISLNK(linkInfo.st_mode) && ::realpath(path.constData(), resolved))
        return QByteArray(resolved);
    return path;
}

} // namespace

WriteOutcome WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const auto failed = [&](const QString &reason) { return WriteOutcome{false, writeErrorText(path, reason)}; };
    if (path.isEmpty())
        return failed(QStringLiteral("the file name is empty"));
    const QByteArray target = resolvedTarget(pathToBytes(path));

    mode_t mode = 0666; // less the umask, as for any new file
    bool keepMode = false;
    struct stat info {};
    if (::stat(target.constData(), &info) == 0) {
        // A device, pipe or folder must never be replaced by a regular file.
        if (S_ISDIR(info.st_mode))
            return failed(QStringLiteral("it is a folder"));
        if (!S_ISREG(info.st_mode))
            return failed(QStringLiteral("it is not a regular file (a device, pipe or socket)"));
        mode = info.st_mode & 07777;
        keepMode = true;
    }

    TemporaryFile temporary;
    if (!temporary.create(target, mode))
        return failed(systemReason(errno));
    if (keepMode)
        ::fchmod(temporary.fd, mode);
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t done = retried([&] {
            return ::write(temporary.fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        });
        if (done < 0)
            return failed(systemReason(errno));
        written += done;
    }
    // The kernel may accept data it later cannot store; only the flush to the disk tells.
    if (::fsync(temporary.fd) != 0)
        return failed(systemReason(errno));
    const int fd = std::exchange(temporary.fd, -1);
    if (::close(fd) != 0)
        return failed(systemReason(errno));
    if (::rename(temporary.name.constData(), target.constData()) != 0)
        return failed(systemReason(errno));
    temporary.name.clear();
    return {true, {}};
}

} // namespace zindle
