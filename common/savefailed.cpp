#include "common/savefailed.h"

#include <QMessageBox>

void showSaveFailed(QWidget* screen, std::function<void()> dismissed) {
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
