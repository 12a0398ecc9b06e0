#pragma once
// Tells the player that config.not could not be written, so that a lost
// choice never passes for a saved one. The player is told once about a
// program folder; later failures there go to standard error only, until a
// save succeeds. The message does not block: the screen goes on as it would
// have, and `dismissed` runs once the player has closed the message, or at
// once when none is shown (the program may end only then).

#include <functional>

class QWidget;

void showSaveFailed(QWidget* screen, std::function<void()> dismissed = {});

// A save succeeded: the next failure is told again.
void settingsSaved();
