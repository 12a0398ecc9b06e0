#include "app/screenset.h"
#include "common/random.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // Under X, Qt hands each frame to the server through shared memory and,
    // before it paints again where the last frame lay, waits for the server
    // to have read it: a round trip on every tick of the menu's flash and the
    // intro's fade. Those frames are small boxes; sending them over the
    // connection costs less, in the program and in the server.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
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
