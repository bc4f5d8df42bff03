// Ways to make the file system refuse a save, each undone when it goes out of scope: a limit on
// the size of any file this process writes, and a folder's permissions. Permissions do not bind
// the superuser, so tests that rely on them ask PermissionsBind() first.
#pragma once

#include <QFile>
#include <QString>

#if defined(Q_OS_UNIX)
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace kestrava::test {

inline bool PermissionsBind() {
#if defined(Q_OS_UNIX)
    return geteuid() != 0;
#else
    return false;
#endif
}

#if defined(Q_OS_UNIX)
// Writes past bytes fail with EFBIG instead of raising SIGXFSZ, which would end the process.
// Only the soft limit moves, so an unprivileged process can put it back.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &old_) != 0) {
            return;
        }
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~ScopedFileSizeLimit() {
        if (active_) {
            setrlimit(RLIMIT_FSIZE, &old_);
        }
        signal(SIGXFSZ, oldHandler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    bool Active() const { return active_; }

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool active_ = false;
};
#endif

// Gives path the permissions until the end of the scope, so that a temporary folder can still
// be removed afterwards.
class ScopedPermissions {
  public:
    ScopedPermissions(const QString& path, QFileDevice::Permissions permissions)
        : path_(path), old_(QFile::permissions(path)) {
        active_ = QFile::setPermissions(path, permissions);
    }
    ~ScopedPermissions() { QFile::setPermissions(path_, old_); }
    ScopedPermissions(const ScopedPermissions&) = delete;
    ScopedPermissions& operator=(const ScopedPermissions&) = delete;

    bool Active() const { return active_; }

  private:
    QString path_;
    QFileDevice::Permissions old_;
    bool active_ = false;
};

inline constexpr QFileDevice::Permissions kReadOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
    QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

}  // namespace kestrava::test
