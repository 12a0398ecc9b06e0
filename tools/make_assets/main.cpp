// Draws every picture Tombel ships with: screen backgrounds, card faces, the
// double-up button and the two icons. Everything is painted from code with no
// randomness, so running it twice gives the same files and the artwork can be
// changed by editing these sources and running it again.
//
// Usage: make_assets [output folder]   (default: the assets folder next to tools)

#include "backgrounds.h"
#include "card_table/cardplaces.h"
#include "cards.h"
#include "drawing.h"
#include "icons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#ifndef TOMBEL_ASSETS_DIR
#define TOMBEL_ASSETS_DIR "assets"
#endif

using namespace artwork;

namespace {

class AssetWriter {
public:
    explicit AssetWriter(const QString& root) : root_(root) {}

    void image(const QString& name, const QImage& img, const char* format, int quality = -1) {
        if (img.isNull()) {
            std::fprintf(stderr, "make_assets: nothing was drawn for %s\n", qPrintable(name));
            ok_ = false;
            return;
        }
        if (!makePath(name))
            return;
        if (!img.save(root_.filePath(name), format, quality))
            fail(name);
        else
            files_ << name;
    }

    void bytes(const QString& name, const QByteArray& data) {
        if (makePath(name) && write(name, data))
            files_ << name;
    }

    // Resource list for the program: every picture written above, loaded as
    // ":/<folder>/<name>".
    // The list of the pictures drawn, which the build makes the program's
    // resources.
    void resourceList(const QString& name) {
        QStringList sorted = files_;
        sorted.sort();
        QByteArray list = "# Written by tools/make_assets: the pictures the program carries.\n"
                          "set(TOMBEL_ASSETS\n";
        for (const QString& f : sorted)
            list += "    " + f.toUtf8() + "\n";
        list += ")\n";
        write(name, list);
    }

    QString path(const QString& name) const { return root_.filePath(name); }
    int count() const { return int(files_.size()); }
    bool ok() const { return ok_; }

private:
    void fail(const QString& what) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path(what)));
        ok_ = false;
    }

    bool makePath(const QString& name) {
        const QString dir = QFileInfo(root_.filePath(name)).absolutePath();
        if (QDir().mkpath(dir))
            return true;
        fail(name);
        return false;
    }

    bool write(const QString& name, const QByteArray& data) {
        QFile file(root_.filePath(name));
        if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size())
            return true;
        fail(name);
        return false;
    }

    QDir root_;
    QStringList files_;
    bool ok_ = true;
};

} // namespace

int main(int argc, char* argv[]) {
    // Painting needs no screen; this also keeps the output independent of the
    // display the tool happens to run on.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    const QString outDir = args.size() > 1 ? args.at(1) : QStringLiteral(TOMBEL_ASSETS_DIR);

    const QFontInfo fontInfo(sans(20, true));
    if (fontInfo.family() != QLatin1String("Liberation Sans"))
        std::fprintf(stderr, "make_assets: warning: Liberation Sans not found, using %s\n",
                     qPrintable(fontInfo.family()));

    AssetWriter out(outDir);

    // Backgrounds. Opcije is read as a plain 24-bit BMP.
    out.image(QStringLiteral("backgrounds/glavniMeni.jpg"), menuLayout(true), "JPEG", 95);
    out.image(QStringLiteral("backgrounds/Opcije.bmp"),
              menuLayout(false).convertToFormat(QImage::Format_RGB888), "BMP");
    out.image(QStringLiteral("backgrounds/Kontrole.jpg"), menuLayout(false), "JPEG", 95);
    out.image(QStringLiteral("backgrounds/KarteIgra.jpg"),
              tableLayout(int(cardplaces::lefts.size())), "JPEG", 95);
    out.image(QStringLiteral("backgrounds/VecaManja.jpg"), tableLayout(1), "JPEG", 95);

    // Card faces: theme T, picture P.
    for (int theme = 1; theme <= themeCount; ++theme)
        for (int picture = 1; picture <= picturesPerTheme; ++picture)
            out.image(QStringLiteral("pictures/Tema%1%2.jpg").arg(theme).arg(picture),
                      themeCard(theme, picture), "JPEG", 90);
    out.image(QStringLiteral("pictures/Eks.jpg"), cardBack(), "JPEG", 90);
    out.image(QStringLiteral("pictures/VecaManja.jpg"), ponderCard(), "JPEG", 90);
    out.image(QStringLiteral("pictures/Dolar.jpg"), dollarCard(), "JPEG", 90);
    out.image(QStringLiteral("pictures/Unazad.jpg"), crossCard(), "JPEG", 90);
    out.image(QStringLiteral("pictures/slikaVecaManja.jpg"), doubleUpButton(), "JPEG", 90);

    const std::vector<IconImage> programImages = programIconImages();
    const std::vector<IconImage> screenImages = screenIconImages();
    out.bytes(QStringLiteral("icons/tombel.ico"), iconFile(paintProgramIcon, programImages));
    out.bytes(QStringLiteral("icons/screen.ico"), iconFile(paintScreenIcon, screenImages));

    out.resourceList(QStringLiteral("assets.cmake"));

    bool ok = out.ok();
    ok = checkIcon(out.path(QStringLiteral("icons/tombel.ico")), int(programImages.size())) && ok;
    ok = checkIcon(out.path(QStringLiteral("icons/screen.ico")), int(screenImages.size())) && ok;
    std::printf("%d files written to %s\n", out.count(), qPrintable(QDir(outDir).absolutePath()));
    return ok ? 0 : 1;
}
