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

void settingsSaved() {
    toldAbout().reset();
}

void showSaveFailed(QWidget* screen, std::function<void()> dismissed) {
    const QString folder = runtime::programFolder();
    if (toldAbout() == folder) {
        if (dismissed)
            dismissed();
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
    if (dismissed)
        QObject::connect(message, &QMessageBox::finished, message,
                         [dismissed = std::move(dismissed)] { dismissed(); });
    message->show();
}
