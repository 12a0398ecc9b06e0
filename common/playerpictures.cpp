#include "common/playerpictures.h"

#include "common/cardsize.h"
#include "common/heldbytes.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QIODevice>
#include <QImageReader>
#include <QScopeGuard>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The bounds of one player's picture. The file is read whole into memory, so
// its size is bounded: twice the largest photos of 100 Mpx phone cameras.
// The decoder gets a time budget, after which it is given no more data; a
// real 100 Mpx photo takes about half of it on an ordinary machine. A
// progressive JPEG, or one that codes its colours in separate scans, makes
// the decoder hold every coefficient of the full picture, two bytes each;
// that is bounded too. The decoded picture itself is card-sized, and Qt's own
// allocation limit (128 MB) bounds what a decoder may allocate on the way.
constexpr qint64 maxUserPictureBytes = 96 * 1024 * 1024;
constexpr std::chrono::milliseconds userPictureTimeBudget{800};
constexpr qint64 maxBufferedCoefficientBytes = 256 * 1024 * 1024;

// A file's change time ticks coarsely on many systems (with the kernel's
// clock tick), so a file rewritten within the tick in which it was read may
// keep its stamp. A picture is reused only when it was read clearly apart
// from its file's last change. That time is the system's own, unlike the
// modification date, which a camera or a copy may set to any day.
constexpr qint64 settledAfterNs = 50'000'000;

// Straight from the open file: times to the nanosecond, and none of the
// time-zone work that QFileInfo's dates cost on every return to the menu.
std::optional<PlayerPictures::FileStamp> stampOf(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const auto nanoseconds = [](const timespec& time) {
        return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    return PlayerPictures::FileStamp{qint64(status.st_size), nanoseconds(status.st_mtim),
                                     nanoseconds(status.st_ctim), quint64(status.st_ino)};
}

// The whole file, read with plain reads: a mapping would turn another
// program's truncating the file into a crash. A file that ends before or
// goes on past the size it had is being written, and is not taken.
std::optional<QByteArray> readWhole(int fd, qint64 size) {
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    for (qint64 got = 0; got < size;) {
        const ssize_t read = ::read(fd, bytes.data() + got, size_t(size - got));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            return std::nullopt;
        got += read;
    }
    char more = 0;
    if (::read(fd, &more, 1) != 0)
        return std::nullopt;
    return bytes;
}

// A JPEG as its segments describe it, read without decoding.
struct JpegLayout {
    qint64 blocks = 0;        // 8 x 8 blocks of all components together
    bool huffman = true;      // arithmetic coding may spend less than a bit on a block
    bool multiScan = false;   // the decoder then buffers every block's coefficients
    qint64 codedBytes = 0;    // entropy-coded data in all scans
    qsizetype endMarker = -1; // where the end-of-image marker stands, if anywhere

    // Every block of a Huffman-coded picture costs at least one bit, so a
    // picture whose scans hold fewer bits stops short, however large its
    // header says it is.
    bool holdsEnoughData() const { return !huffman || codedBytes * 8 >= blocks; }
    bool fitsTheDecoder() const {
        return !multiScan || blocks * 128 <= maxBufferedCoefficientBytes;
    }
};

JpegLayout jpegLayout(QByteArrayView data) {
    const auto byte = [&](qsizetype at) { return static_cast<quint8>(data[at]); };
    const auto isRestart = [](quint8 marker) { return marker >= 0xD0 && marker <= 0xD7; };
    JpegLayout layout;
    int components = 0;
    bool scanSeen = false;
    qsizetype at = 2; // past the start-of-image marker
    while (at + 1 < data.size()) {
        const quint8 marker = byte(at + 1);
        if (byte(at) != 0xFF || marker == 0xFF) {
            ++at; // stray bytes and fill bytes between segments
            continue;
        }
        if (marker == 0xD9) {
            layout.endMarker = at;
            break;
        }
        if (marker == 0x01 || isRestart(marker)) {
            at += 2;
            continue;
        }
        if (at + 3 >= data.size())
            break;
        const qsizetype length = (byte(at + 2) << 8) | byte(at + 3);
        const qsizetype body = at + 4;
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && body + 6 <= data.size() && body + 6 + 3 * byte(body + 5) <= data.size()) {
            const qint64 height = (byte(body + 1) << 8) | byte(body + 2);
            const qint64 width = (byte(body + 3) << 8) | byte(body + 4);
            components = byte(body + 5);
            const auto across = [&](int c) { return std::max(1, byte(body + 7 + 3 * c) >> 4); };
            const auto down = [&](int c) { return std::max(1, byte(body + 7 + 3 * c) & 0x0F); };
            int maxAcross = 1, maxDown = 1;
            for (int c = 0; c < components; ++c) {
                maxAcross = std::max(maxAcross, across(c));
                maxDown = std::max(maxDown, down(c));
            }
            layout.blocks = 0;
            for (int c = 0; c < components; ++c)
                layout.blocks += ((width * across(c) + maxAcross - 1) / maxAcross + 7) / 8 *
                                 (((height * down(c) + maxDown - 1) / maxDown + 7) / 8);
            layout.huffman = marker <= 0xC7;
            layout.multiScan = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
        }
        if (marker == 0xDA && !scanSeen && body < data.size()) {
            scanSeen = true;
            if (byte(body) < components)
                layout.multiScan = true;
        }
        at += 2 + length;
        if (marker != 0xDA)
            continue;
        // Coded data: 0xFF is followed by a stuffed zero, a restart or a marker.
        const qsizetype start = at;
        while (at + 1 < data.size()) {
            const quint8 next = byte(at + 1);
            if (byte(at) == 0xFF && next != 0x00 && !isRestart(next))
                break;
            ++at;
        }
        layout.codedBytes += std::max<qsizetype>(0, std::min(at, data.size()) - start);
    }
    return layout;
}

// Hands the decoder a picture's bytes from memory, optionally with filler
// spliced in at one place, and runs dry once the load's time is spent: no
// file keeps the decoder busy for long, whatever its header claims.
class PictureBytes final : public QIODevice {
public:
    PictureBytes(QByteArrayView data, const QDeadlineTimer& deadline, qsizetype spliceAt = 0,
                 QByteArrayView splice = {})
        : data_(data), splice_(splice), spliceAt_(spliceAt), deadline_(deadline) {
        open(QIODevice::ReadOnly);
    }
    bool ranOutOfTime() const { return ranOutOfTime_; }
    qint64 size() const override { return data_.size() + splice_.size(); }

protected:
    qint64 readData(char* to, qint64 max) override {
        if (deadline_.hasExpired()) {
            ranOutOfTime_ = true;
            return 0;
        }
        qint64 done = 0;
        for (qint64 at = pos(); done < max && at < size();) {
            QByteArrayView piece;
            if (at < spliceAt_)
                piece = data_.sliced(at, spliceAt_ - at);
            else if (at < spliceAt_ + splice_.size())
                piece = splice_.sliced(at - spliceAt_);
            else
                piece = data_.sliced(at - splice_.size());
            const qint64 count = std::min<qint64>(max - done, piece.size());
            std::memcpy(to + done, piece.data(), size_t(count));
            done += count;
            at += count;
        }
        return done;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArrayView data_;
    QByteArrayView splice_;
    qsizetype spliceAt_;
    QDeadlineTimer deadline_;
    bool ranOutOfTime_ = false;
};

QImage decodedAtCardSize(QIODevice& device) {
    QImageReader reader(&device);
    reader.setScaledSize(cardPictureSize);
    return reader.read();
}

// Bytes that no whole picture's decoder ever takes as picture data: random,
// and never 0xFF, so they form no marker.
QByteArrayView filler() {
    static const QByteArray bytes = [] {
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        quint32 state = 2463534242u;
        for (char& byte : noise) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            byte = char(state % 0xFF);
        }
        return noise;
    }();
    return bytes;
}

// The JPEG decoder takes a file cut short without complaint and fills the
// missing blocks with plain grey. A whole picture gives the same image when
// filler stands after its coded data, since the decoder never reaches it; a
// picture whose data stops short takes the filler in place of the missing
// blocks and comes out different. The check costs a second decode, so it is
// made only where a cut may be: a file without its end marker (the usual
// broken download), or one whose last corner came out grey.
bool mayBeCutShort(const JpegLayout& layout, const QImage& image) {
    if (layout.endMarker < 0)
        return true;
    const QRgb corner = image.pixel(image.width() - 1, image.height() - 1);
    return qRed(corner) == qGreen(corner) && qGreen(corner) == qBlue(corner);
}

std::optional<QPixmap> decodeUserPicture(const QByteArray& bytes) {
    const QDeadlineTimer deadline(userPictureTimeBudget);
    const bool jpeg = bytes.startsWith("\xFF\xD8\xFF");
    JpegLayout layout;
    if (jpeg) {
        layout = jpegLayout(bytes);
        if (!layout.holdsEnoughData() || !layout.fitsTheDecoder())
            return std::nullopt;
    }
    PictureBytes whole(bytes, deadline);
    const QImage image = decodedAtCardSize(whole);
    if (image.isNull() || whole.ranOutOfTime())
        return std::nullopt;
    if (jpeg && mayBeCutShort(layout, image)) {
        const qsizetype codedEnd = layout.endMarker >= 0 ? layout.endMarker : bytes.size();
        PictureBytes padded(bytes, deadline, codedEnd, filler());
        if (decodedAtCardSize(padded) != image || padded.ranOutOfTime())
            return std::nullopt;
    }
    return QPixmap::fromImage(image);
}
} // namespace

PlayerPictures::PlayerPictures() = default;
PlayerPictures::~PlayerPictures() = default;

std::optional<QPixmap> PlayerPictures::load(const QString& path) {
    // Opened without blocking and checked on the open file: another program
    // may put a FIFO or a device in its place at any moment.
    const int fd = ::open(bytesOfText(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto closeFile = qScopeGuard([fd] { ::close(fd); });
    const std::optional<FileStamp> before = stampOf(fd);
    if (!before)
        return std::nullopt;
    QHash<QString, Loaded>& loaded = loaded_;
    if (const auto it = loaded.constFind(path);
        it != loaded.constEnd() && it->settled && it->stamp == *before)
        return it->picture;

    std::optional<QPixmap> picture;
    bool settled = true;
    if (before->size <= maxUserPictureBytes) {
        const std::optional<QByteArray> bytes = readWhole(fd, before->size);
        // A file that changed while it was read is tried again next time.
        if (!bytes || stampOf(fd) != before)
            return std::nullopt;
        const qint64 sinceChange =
            QDateTime::currentMSecsSinceEpoch() * 1'000'000 - before->statusChanged;
        settled = sinceChange > settledAfterNs || sinceChange < -settledAfterNs;
        picture = decodeUserPicture(*bytes);
    }
    // Only the theme's four files are ever loaded; a program folder that
    // changes under a running program is not worth keeping old entries for.
    if (loaded.size() >= 16)
        loaded.clear();
    loaded.insert(path, Loaded{*before, settled, picture});
    return picture;
}
