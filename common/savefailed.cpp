#include "common/savefailed.h"

#include "common/runtime.h"

#include <QMessageBox>

#include <optional>

namespace {
// The program folder whose config.not the player was told about.
std::optional<QString>& toldAbout() {
    static std::optional<QString> folder;
    return folder;
}
} // namespace

void reportSave(QWidget* screen, bool saved, std::function<void()> then) {
    const QString folder = runtime::programFolder();
    if (saved || toldAbout() == folder) {
        if (saved)
            toldAbout().reset();
        if (then)
            then();
        return;
    }
    toldAbout() = folder;
    auto* message =
        new QMessageBox(QMessageBox::Warning, QStringLiteral("Tombel"),
                        QStringLiteral("Podesavanja nisu sacuvana: datoteku config.not nije "
                                       "moguce upisati."),
                        QMessageBox::Ok, screen ? screen->window() : nullptr);
    message->setObjectName(QStringLiteral("saveFailed"));
    message->setAttribute(Qt::WA_DeleteOnClose);
    // Over the window, whichever screen shows when it opens.
    message->setWindowModality(Qt::ApplicationModal);
    if (then)
        QObject::connect(message, &QMessageBox::finished, message,
                         [then = std::move(then)] { then(); });
    message->show();
}
