#include "startup/glavnimeni.h"

#include "common/durations.h"
#include "common/fonts.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/savefailed.h"

#include <QMouseEvent>

glavniMeni::glavniMeni(ScreenSwitcher& switcher, SveSlike& bank)
    : Screen(switcher, ScreenId::MainMenu), bank_(bank),
      // The flash sleeps while no item is hovered, and while the menu is
      // hidden: nobody sees a hidden menu, and its next showing resets every item.
      flashTimer_(*this, "Timer1", durations::menuFlashTick,
                  [this] { return isVisible() && Timer1_Timer(); }) {
    setBackgroundPicture(QStringLiteral(":/backgrounds/glavniMeni.jpg"));

    const QFont itemFont = fonts::sized(8.25, true);
    auto* title = new Label(this, "Label8", {1800, 2600, 1095, 255}, QStringLiteral("TOMBEL v1.09"),
                            itemFont);
    auto* newGameItem = new Label(this, "menuNovaigra", {2230, 3100, 975, 300},
                                  QStringLiteral("nova igra"), fonts::sized(9, true));
    auto* optionsItem =
        new Label(this, "menuOpcije", {2235, 3600, 735, 240}, QStringLiteral("opcije"), itemFont);
    auto* controlsItem = new Label(this, "menuKontrole", {2235, 4100, 975, 255},
                                   QStringLiteral("kontrole"), itemFont);
    auto* creditsItem =
        new Label(this, "Otombelu", {2235, 4550, 975, 255}, QStringLiteral("o tombelu"), itemFont);
    auto* exitItem =
        new Label(this, "menuIzlaz", {2230, 5170, 495, 255}, QStringLiteral("izlaz"), itemFont);
    statusLabel_ =
        new Label(this, "Objasnjenje", {3600, 3120, 3735, 2295}, QString(), fonts::standard());
    statusLabel_->setWordWrap(true);
    for (Label* caption : {title, newGameItem, optionsItem, controlsItem, creditsItem, exitItem})
        caption->fitToCaption();
    // The flash recolours an item fifty times a second, going round the
    // cycle's colours and back to the resting one.
    for (Label* item : {newGameItem, optionsItem, controlsItem, creditsItem, exitItem})
        item->setColourAnimated(MenuFlash::coloursInCycle + 1);

    // The rule under the title, the one above "izlaz" and the one between the
    // items and the explanation.
    addLine(1680, 2880, 7440, 2880);
    addLine(1680, 4960, 3390, 4960);
    addLine(3480, 3000, 3480, 5470);

    items_ = {{
        {MenuItem::NewGame, newGameItem, QStringLiteral("Pokretanje novog tombela.")},
        {MenuItem::Options, optionsItem,
         QStringLiteral("Podesavanje opcija igre: ime igraca, visina pocetnog uloga i teme.")},
        {MenuItem::Controls, controlsItem, QStringLiteral("Kontrole igranja.")},
        {MenuItem::Exit, exitItem, QStringLiteral("Izlaz u windows.")},
        {MenuItem::Credits, creditsItem,
         QStringLiteral("Tombel v1.09 - dizajn, grafika i programiranje: Zorvak studio")},
    }};

    connect(newGameItem, &Label::mouseMoved, this, &glavniMeni::menuNovaigra_MouseMove);
    connect(optionsItem, &Label::mouseMoved, this, &glavniMeni::menuOpcije_MouseMove);
    connect(controlsItem, &Label::mouseMoved, this, &glavniMeni::menuKontrole_MouseMove);
    connect(exitItem, &Label::mouseMoved, this, &glavniMeni::menuIzlaz_MouseMove);
    connect(creditsItem, &Label::mouseMoved, this, &glavniMeni::Otombelu_MouseMove);
    connect(newGameItem, &Label::clicked, this, &glavniMeni::menuNovaigra_Click);
    connect(optionsItem, &Label::clicked, this, &glavniMeni::menuOpcije_Click);
    connect(controlsItem, &Label::clicked, this, &glavniMeni::menuKontrole_Click);
    connect(exitItem, &Label::clicked, this, &glavniMeni::menuIzlaz_Click);
}

Label* glavniMeni::itemLabel(MenuItem value) const {
    for (const Item& item : items_)
        if (item.value == value)
            return item.label;
    return nullptr;
}

void glavniMeni::Form_Activate() {
    for (const Item& item : items_)
        item.label->setForeColour(MenuFlash::restingColour);
    flash_.reset();
    // The explanation keeps what it showed when the menu was left.

    const QString folder = runtime::programFolder();
    settings_ = loadMenuSettings(folder);
    applyTheme(bank_, settings_.themeNumber, folder);
}

void glavniMeni::mouseMoveEvent(QMouseEvent* event) {
    // Labels swallow their own movements, so this hears only the bare
    // background and the rules drawn on it.
    event->accept();
    Form_MouseMove();
}

void glavniMeni::Form_MouseMove() {
    statusLabel_->setCaption(QString());
    flash_.hover(MenuItem::None);
    for (const Item& item : items_)
        item.label->setForeColour(MenuFlash::restingColour);
}

void glavniMeni::pointerOverItem(MenuItem value) {
    for (const Item& item : items_) {
        if (item.value == value)
            statusLabel_->setCaption(item.statusText);
        else
            item.label->setForeColour(MenuFlash::restingColour);
    }
    // The hovered item keeps its colour until the next tick colours it.
    flash_.hover(value);
    flashTimer_.wake();
}

bool glavniMeni::Timer1_Timer() {
    const std::optional<std::uint32_t> colour = flash_.tick();
    if (!colour)
        return false;
    itemLabel(flash_.hoveredItem())->setForeColour(*colour);
    return true;
}

bool glavniMeni::writeSettingsCopies() {
    return writeSettings(runtime::programFolder(), settingsCopies());
}

void glavniMeni::menuNovaigra_Click() {
    switcher().switchTo(*this, ScreenId::CardTable, Placing::AtCaller, Leaving::Hide);
}

void glavniMeni::menuOpcije_Click() {
    // The options screen opens whether or not the file could be written, so
    // the player is never stuck; a failed save is said so over it.
    const bool saved = writeSettingsCopies();
    switcher().switchTo(*this, ScreenId::Options, Placing::AtCaller, Leaving::Hide);
    reportSave(this, saved);
}

void glavniMeni::menuKontrole_Click() {
    switcher().switchTo(*this, ScreenId::Controls, Placing::AtCaller, Leaving::Hide);
}

void glavniMeni::menuIzlaz_Click() {
    saveAndEnd();
}

void glavniMeni::saveAndEnd() {
    // The program ends even when the settings cannot be saved: keeping the
    // player in a menu that refuses to close would help nobody. It ends once
    // the player knows that the choices were lost.
    reportSave(this, writeSettingsCopies(), [this] { switcher().endProgram(); });
}
