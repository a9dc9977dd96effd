#include "ReadOnlyFile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

bool SetImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool Writable(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

ReadOnlyFile::ReadOnlyFile(const QString& path) : m_path(path) {
    if (SetImmutable(path, true)) {
        m_immutable = true;
        m_how = QStringLiteral("immutable attribute");
    } else {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(QFileInfo(path).absolutePath(),
                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
        m_how = QStringLiteral("file and folder modes");
    }
    m_works = !Writable(path);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (m_immutable) {
        SetImmutable(m_path, false);
        return;
    }
    QFile::setPermissions(QFileInfo(m_path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}
