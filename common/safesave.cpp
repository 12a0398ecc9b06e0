#include "common/safesave.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safesave {

QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString notRegularFile() {
    return QStringLiteral("not a regular file");
}

namespace {
QString busy() {
    return QStringLiteral("another program keeps it locked");
}

// Takes the file's lock, shared or exclusive, if it is free. Where the file
// system has no locks, everyone goes through.
bool tryLock(int fd, int operation) {
    return ::flock(fd, operation | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR);
}

// Copies of the game hold the lock only while they read or save; a lock
// held longer than a second is another program's.
bool lockFile(int fd, int operation) {
    const QDeadlineTimer deadline(1000);
    while (!tryLock(fd, operation)) {
        if (deadline.hasExpired())
            return false;
        ::usleep(1000);
    }
    return true;
}

// Whether the path still names the open file, and it is a regular file.
bool sameFile(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
           ::stat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// A save builds its new file beside the old one, named after it with this
// mark and a random ending.
constexpr char temporaryMark[] = ".tombel-";

// Removes what saves killed halfway left beside the file. A save at work
// holds its new file's lock, so only abandoned ones can be locked here.
void removeAbandonedTemporaries(const QByteArray& file) {
    const QByteArray folder = file.left(file.lastIndexOf('/') + 1);
    const QByteArray prefix = file.mid(folder.size()) + temporaryMark;
    DIR* entries = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!entries)
        return;
    const auto closeFolder = qScopeGuard([entries] { ::closedir(entries); });
    while (const dirent* entry = ::readdir(entries)) {
        if (!QByteArrayView(entry->d_name).startsWith(prefix))
            continue;
        const QByteArray path = folder + entry->d_name;
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, path))
            ::unlink(path.constData());
        if (fd >= 0)
            ::close(fd);
    }
}

QString writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return errorText(written < 0 ? errno : ENOSPC);
        done += written;
    }
    return {};
}

// Used where no new file can be made beside the old one. Nothing is cut
// before the new lines stand: they are written over the old ones in one
// write, and only then is the file cut to their length. Whatever fails on
// the way puts the old bytes back.
QString rewriteInPlace(int fd, const QByteArray& bytes) {
    struct stat old {};
    if (::fstat(fd, &old) != 0)
        return errorText(errno);
    const qsizetype size = bytes.size();
    // Claiming the room first lets a full disk stop the save before anything
    // is overwritten.
    if (size > old.st_size && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        return errorText(errno);
    QByteArray head(qsizetype(std::min<qint64>(old.st_size, size)), Qt::Uninitialized);
    errno = 0;
    if (::pread(fd, head.data(), size_t(head.size()), 0) != head.size())
        return errorText(errno ? errno : EIO);
    const auto failed = [&](int error) {
        if (::pwrite(fd, head.constData(), size_t(head.size()), 0) != head.size() ||
            (size > old.st_size && ::ftruncate(fd, old.st_size) != 0)) {
            // Putting back failed too: there is nothing better left to try.
        }
        return errorText(error);
    };
    errno = 0;
    const ssize_t written = ::pwrite(fd, bytes.constData(), size_t(size), 0);
    if (written != size)
        return failed(written < 0 ? errno : EFBIG);
    if (::fsync(fd) != 0)
        return failed(errno);
    if (size < old.st_size && ::ftruncate(fd, size) != 0)
        return failed(errno);
    return {};
}

// Where a chain of links ends (the path itself when it is no link).
QByteArray linkTarget(QByteArray path, int& error) {
    for (int hops = 0;; ++hops) {
        QByteArray target(4096, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return path;
        if (hops == 40 || length == target.size()) {
            error = hops == 40 ? ELOOP : ENAMETOOLONG;
            return path;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : path.left(path.lastIndexOf('/') + 1) + target;
    }
}

} // namespace

QString replaceFile(const QByteArray& path, const QByteArray& bytes) {
    // A linked config.not stays a link: its target is the file written.
    int linkError = 0;
    const QByteArray native = linkTarget(path, linkError);
    if (linkError)
        return errorText(linkError);
    struct stat old {};
    const bool exists = ::lstat(native.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return errorText(errno);
    if (exists && !S_ISREG(old.st_mode))
        return notRegularFile();
    // The old file must open for reading and writing: a file made read-only
    // stays as it is, and one that cannot be read now (no permission, another
    // program's lease) holds the player's values for later.
    int oldFd = -1;
    const auto closeOld = qScopeGuard([&oldFd] {
        if (oldFd >= 0)
            ::close(oldFd);
    });
    for (int attempt = 0; exists; ++attempt) {
        oldFd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (oldFd < 0)
            return errorText(errno);
        if (::fstat(oldFd, &old) != 0 || !S_ISREG(old.st_mode))
            return notRegularFile();
        // One save at a time, from the first byte written to the last cut, so
        // that two copies of the game never mix their lines.
        if (!lockFile(oldFd, LOCK_EX))
            return busy();
        if (sameFile(oldFd, native))
            break;
        // Another copy put a new file in its place meanwhile: that one is locked next.
        ::close(oldFd);
        oldFd = -1;
        if (attempt == 8)
            return busy();
    }

    removeAbandonedTemporaries(native);
    QByteArray temporary;
    int fd = -1;
    int createError = EEXIST;
    for (int attempt = 0; attempt < 16 && fd < 0 && createError == EEXIST; ++attempt) {
        temporary =
            native + temporaryMark + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
        createError = fd < 0 ? errno : 0;
        // Locked at once, it is no debris to another save; one that another
        // save took away before that is given up.
        if (fd >= 0 && !(tryLock(fd, LOCK_EX) && sameFile(fd, temporary))) {
            ::close(fd);
            fd = -1;
            createError = EEXIST;
        }
    }
    if (fd < 0) {
        // No new file can be made here (a folder that cannot be written, no
        // inodes left), but the old one may still take the new lines.
        return exists ? rewriteInPlace(oldFd, bytes) : errorText(createError);
    }
    QString error;
    if (exists) {
        // The new file takes the old one's place, and so its owner, group and
        // permissions: a save by another user must not lock the owner out.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, uid_t(-1), old.st_gid) != 0) {
            // Not ours to give away: the new file stays the process's own.
        }
        if (::fchmod(fd, old.st_mode & 0777) != 0)
            error = errorText(errno);
    }
    if (error.isEmpty())
        error = writeAll(fd, bytes);
    if (error.isEmpty() && ::fsync(fd) != 0)
        error = errorText(errno);
    bool refused = false;
    if (error.isEmpty() && ::rename(temporary.constData(), native.constData()) != 0) {
        // In a shared folder (sticky bit) only the owner may replace a file,
        // and a file mounted on its own cannot be replaced; either may still
        // take the new lines in place.
        refused = exists && (errno == EPERM || errno == EACCES || errno == EBUSY);
        error = errorText(errno);
    }
    if (!error.isEmpty())
        ::unlink(temporary.constData());
    // Closed, and so unlocked, only once it is no longer beside the file.
    ::close(fd);
    return refused ? rewriteInPlace(oldFd, bytes) : error;
}

QString lockForReading(int fd) {
    return lockFile(fd, LOCK_SH) ? QString() : busy();
}

} // namespace safesave
