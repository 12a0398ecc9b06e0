#pragma once
// The player's own card pictures, for the theme "Korisnicki": files of any
// size and kind, which the player or another program may change, swap or
// cut short at any moment. Each is decoded straight to the card size, so
// that the size of the source costs neither memory nor much time, and what
// each file gave is kept until the file changes.

#include <QHash>
#include <QPixmap>
#include <QString>
#include <optional>

class PlayerPictures {
public:
    PlayerPictures();
    ~PlayerPictures();
    PlayerPictures(const PlayerPictures&) = delete;
    PlayerPictures& operator=(const PlayerPictures&) = delete;

    // Refuses files that are not regular files (without waiting on them) or
    // not pictures, are cut short, change while they are read, or would take
    // the decoder too long or too much memory. A file whose size, times and
    // inode have not changed since it was last loaded is not decoded again,
    // whatever its date.
    std::optional<QPixmap> load(const QString& path);

    // What the file system tells of a file; a write changes at least one
    // part. Times are in nanoseconds.
    struct FileStamp {
        qint64 size = 0;
        qint64 modified = 0;
        qint64 statusChanged = 0;
        quint64 fileId = 0;
        bool operator==(const FileStamp&) const = default;
    };

private:
    // The outcome of the last load of a file, kept while the file stays as
    // it was, so a return to the main menu does not decode the same photos
    // again.
    struct Loaded {
        FileStamp stamp;
        bool settled = true;
        std::optional<QPixmap> picture;
    };
    QHash<QString, Loaded> loaded_;
};
