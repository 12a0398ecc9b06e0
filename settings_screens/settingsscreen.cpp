#include "settings_screens/settingsscreen.h"

#include "common/fonts.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/savefailed.h"
#include "common/settingsfile.h"

Label* SettingsScreen::addBackButton() {
    auto* back = new Label(this, "SnimiOpcije", {3120, 5160, 2895, 255}, QStringLiteral("unazad"),
                           fonts::sized(8.25, true), Qt::AlignCenter);
    back->setBoxed();
    return back;
}

void SettingsScreen::saveAndReturn(const Settings& settings) {
    const bool saved = writeSettings(runtime::programFolder(), settings);
    switcher().switchTo(*this, ScreenId::MainMenu, Placing::Kept, Leaving::Hide);
    reportSave(this, saved);
}
