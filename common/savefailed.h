#pragma once
// Tells the player how a save of config.not went, so that a lost choice
// never passes for a saved one. A failed save shows a message, once for a
// program folder until a save there succeeds; standard error has every
// failure. The message does not block: the screen goes on as it would
// have, and `then` runs once the player has closed the message, or at once
// when none is shown (the program may end only then).

#include <functional>

class QWidget;

void reportSave(QWidget* screen, bool saved, std::function<void()> then = {});
