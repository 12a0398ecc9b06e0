#include "app/screenset.h"
#include "common/random.h"

#include <QApplication>
#include <QIcon>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {
// Qt's messages wait while it opens the display. When no display can be
// opened (no desktop, or DISPLAY names a server that does not answer), Qt
// would print its attempts and abort with advice to reinstall; the player
// reads one line that says what is missing instead, and the program ends
// with status 1. Qt says so only in words, hence the match on its text.
QStringList heldMessages;

void holdWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg &&
        message.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        std::fputs("Tombel: igri je potreban graficki desktop (X11 ili Wayland), a nijedan se "
                   "ne javlja.\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages.append(qFormatLogMessage(type, context, message));
    if (type == QtFatalMsg)
        for (const QString& held : heldMessages)
            std::fprintf(stderr, "%s\n", qPrintable(held));
}
} // namespace

int main(int argc, char* argv[]) {
    // Under X, Qt hands each frame to the server through shared memory and,
    // before it paints again where the last frame lay, waits for the server
    // to have read it: a round trip on every tick of the menu's flash and the
    // intro's fade. Those frames are small boxes; sending them over the
    // connection costs less, in the program and in the server.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    qInstallMessageHandler(holdWhileOpening);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString& held : heldMessages)
        std::fprintf(stderr, "%s\n", qPrintable(held));
    heldMessages.clear();

    QApplication::setApplicationName(QStringLiteral("Tombel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tombel.ico")));
    // Screens hide and show each other; only "izlaz" (or a window's close
    // box) ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    ClockRandom random;
    ScreenSet screens(random);
    screens.start();
    return app.exec();
}
