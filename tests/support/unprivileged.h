#pragma once
// Steps that need file permissions to hold: a test run as root hands them to
// the user `nobody` in a child process, since root may write anything.

#include <QString>

#include <functional>
#include <sys/resource.h>
#include <sys/types.h>

struct Nobody {
    uid_t user = 0;
    gid_t group = 0;
    bool known = false;
};

Nobody nobody();

// Runs `work` in a child process, as `nobody` when asked and the test runs as
// root (so that file permissions hold), with files capped at `sizeLimit`
// bytes when that is not 0. Returns its exit code (99: the user could not be
// switched), or -1 when it died or had to be killed because it hung.
int inChild(const std::function<int()>& work, bool unprivileged, rlim_t sizeLimit = 0);

// Gives a file or folder to that user where the test runs as root; true
// otherwise, as the test's own files are then the user's already.
bool giveTo(const QString& path, const Nobody& owner);
