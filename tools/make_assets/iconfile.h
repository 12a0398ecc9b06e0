#pragma once
// Windows icon files holding one painting at several sizes and colour depths.
// Qt's icon writer stores only one depth, so the container is built here.

#include <QByteArray>

#include <functional>
#include <vector>

class QPainter;
class QString;

namespace artwork {

struct IconImage {
    int size;
    int bitsPerPixel; // 32, 8 or 4
};

// Every size at every depth, depth by depth.
std::vector<IconImage> iconSet(const std::vector<int>& sizes, const std::vector<int>& depths);

// The icon file of a painting made on a 128 x 128 canvas, rendered at each
// image's size and depth.
QByteArray iconFile(const std::function<void(QPainter&)>& paint,
                    const std::vector<IconImage>& images);

// Reads an icon file back and prints how many images it holds: true when
// there are as many as expected and each of them decodes.
bool checkIcon(const QString& path, int expectedImages);

} // namespace artwork
