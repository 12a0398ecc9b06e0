#pragma once
// Saving a small file so that it is never found half written, and the lock
// that saves and readers share.
//
// Normally the file is replaced at once by a complete new one made beside
// it, which keeps the old one's permissions, and its owner and group where
// the process may set them. Where no new file can be made, or the old one
// may not be replaced (a shared folder with the sticky bit), the old file is
// rewritten in place: the new bytes go over the old ones in one write and
// the file is then cut to length, so an interrupted save leaves the old or
// the new content. Saves hold the file's lock against each other and
// against readers, so programs saving at once leave one whole version and
// no reader sees half of one. New files that a save killed halfway left
// behind are removed by the next save.

#include <QByteArray>
#include <QString>

namespace safesave {

// Writes bytes as the whole content of the file at path. Only a regular file
// (links followed; a link stays a link) that can be read and written, or a
// missing one, is written; anything else is left alone. Returns why the
// file could not be written, or the empty text; after a failure the file
// holds what it held before.
QString replaceFile(const QByteArray& path, const QByteArray& bytes);

// Takes the shared lock on an open file before it is read. Returns why it
// cannot be had (another program keeps the file locked), or the empty text.
QString lockForReading(int fd);

// The reasons given for a file that cannot be read or written.
QString errorText(int error);
QString notRegularFile();

} // namespace safesave
