#pragma once
// Tells the player that config.not could not be written, so that a lost
// choice never passes for a saved one. The message does not block: the
// screen goes on as it would have, and `dismissed` runs once the player has
// closed the message (the program may end only then).

#include <functional>

class QWidget;

void showSaveFailed(QWidget* screen, std::function<void()> dismissed = {});
