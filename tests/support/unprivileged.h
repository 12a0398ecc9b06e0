#pragma once
// Steps that need file permissions to hold: a test run as root hands them to
// the user `nobody` in a child process, since root may write anything.

#include <QString>

#include <functional>
#include <sys/resource.h>

struct Nobody {
    uid_t user = 0;
    gid_t group = 0;
    bool known = false;
};
Nobody nobody();

// Runs `work` in a child process, as `nobody` when asked and the test runs as
// root, with files capped at `sizeLimit` bytes when that is not 0. Returns its
// exit code (99: the user could not be switched), or -1 when it died or hung.
int inChild(const std::function<int()>& work, bool unprivileged, rlim_t sizeLimit = 0);

// Gives a file or folder to that user where the test runs as root.
bool giveTo(const QString& path, const Nobody& owner);
