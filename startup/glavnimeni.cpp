#include "startup/glavnimeni.h"

#include "common/durations.h"
#include "common/fonts.h"
#include "common/idletimer.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/savefailed.h"

#include <QMouseEvent>

glavniMeni::glavniMeni(ScreenSwitcher& switcher, SveSlike& bank)
    : Screen(switcher, ScreenId::MainMenu), bank_(bank) {
    setBackgroundPicture(QStringLiteral(":/backgrounds/glavniMeni.jpg"));

    const QFont itemFont = fonts::sized(8.25, true);
    Label8 = new Label(this, "Label8", {1800, 2600, 1095, 255}, QStringLiteral("TOMBEL v1.09"),
                       itemFont);
    menuNovaigra = new Label(this, "menuNovaigra", {2230, 3100, 975, 300},
                             QStringLiteral("nova igra"), fonts::sized(9, true));
    menuOpcije =
        new Label(this, "menuOpcije", {2235, 3600, 735, 240}, QStringLiteral("opcije"), itemFont);
    menuKontrole = new Label(this, "menuKontrole", {2235, 4100, 975, 255},
                             QStringLiteral("kontrole"), itemFont);
    Otombelu =
        new Label(this, "Otombelu", {2235, 4550, 975, 255}, QStringLiteral("o tombelu"), itemFont);
    menuIzlaz =
        new Label(this, "menuIzlaz", {2230, 5170, 495, 255}, QStringLiteral("izlaz"), itemFont);
    Objasnjenje =
        new Label(this, "Objasnjenje", {3600, 3120, 3735, 2295}, QString(), fonts::standard());
    Objasnjenje->setWordWrap(true);
    for (Label* caption : {Label8, menuNovaigra, menuOpcije, menuKontrole, Otombelu, menuIzlaz})
        caption->fitToCaption();
    // The flash recolours an item fifty times a second.
    for (Label* item : {menuNovaigra, menuOpcije, menuKontrole, Otombelu, menuIzlaz})
        item->setColourAnimated();

    // The rule under the title, the one above "izlaz" and the one between the
    // items and the explanation.
    addLine(1680, 2880, 7440, 2880);
    addLine(1680, 4960, 3390, 4960);
    addLine(3480, 3000, 3480, 5470);

    items_ = {{
        {MenuItem::NewGame, menuNovaigra, QStringLiteral("Pokretanje novog tombela.")},
        {MenuItem::Options, menuOpcije,
         QStringLiteral("Podesavanje opcija igre: ime igraca, visina pocetnog uloga i teme.")},
        {MenuItem::Controls, menuKontrole, QStringLiteral("Kontrole igranja.")},
        {MenuItem::Exit, menuIzlaz, QStringLiteral("Izlaz u windows.")},
        {MenuItem::Credits, Otombelu,
         QStringLiteral("Tombel v1.09 - dizajn, grafika i programiranje: Zorvak studio")},
    }};

    connect(menuNovaigra, &Label::mouseMoved, this, &glavniMeni::menuNovaigra_MouseMove);
    connect(menuOpcije, &Label::mouseMoved, this, &glavniMeni::menuOpcije_MouseMove);
    connect(menuKontrole, &Label::mouseMoved, this, &glavniMeni::menuKontrole_MouseMove);
    connect(menuIzlaz, &Label::mouseMoved, this, &glavniMeni::menuIzlaz_MouseMove);
    connect(Otombelu, &Label::mouseMoved, this, &glavniMeni::Otombelu_MouseMove);
    connect(menuNovaigra, &Label::clicked, this, &glavniMeni::menuNovaigra_Click);
    connect(menuOpcije, &Label::clicked, this, &glavniMeni::menuOpcije_Click);
    connect(menuKontrole, &Label::clicked, this, &glavniMeni::menuKontrole_Click);
    connect(menuIzlaz, &Label::clicked, this, &glavniMeni::menuIzlaz_Click);

    // The flash sleeps while no item is hovered, and while the menu is hidden:
    // nobody sees a hidden menu, and its next showing resets every item.
    Timer1 = new IdleTimer(
        durations::menuFlashTick, [this] { return isVisible() && Timer1_Timer(); }, this);
}

Label* glavniMeni::itemLabel(MenuItem value) const {
    for (const Item& item : items_)
        if (item.value == value)
            return item.label;
    return nullptr;
}

void glavniMeni::Form_Activate() {
    for (const Item& item : items_)
        item.label->setForeColor(MenuFlash::restingColour);
    flash_.reset();
    // The explanation keeps what it showed when the menu was left.

    const QString folder = runtime::programFolder();
    const Settings loaded = loadMenuSettings(folder);
    Load001 = loaded.playerName;
    Load002 = loaded.startingStakeLevel;
    Load003 = loaded.themeNumber;
    Load004 = loaded.holdMarkerCaption;

    applyTheme(bank_, Load003, folder);
}

void glavniMeni::mouseMoveEvent(QMouseEvent* event) {
    // Labels swallow their own movements, so this hears only the bare
    // background and the rules drawn on it.
    event->accept();
    Form_MouseMove();
}

void glavniMeni::Form_MouseMove() {
    Objasnjenje->setCaption(QString());
    flash_.hover(MenuItem::None);
    for (const Item& item : items_)
        item.label->setForeColor(MenuFlash::restingColour);
}

void glavniMeni::pointerOverItem(MenuItem value) {
    for (const Item& item : items_) {
        if (item.value == value)
            Objasnjenje->setCaption(item.statusText);
        else
            item.label->setForeColor(MenuFlash::restingColour);
    }
    // The hovered item keeps its colour until the next tick colours it.
    flash_.hover(value);
    Timer1->wake();
}

bool glavniMeni::Timer1_Timer() {
    const std::optional<std::uint32_t> colour = flash_.tick();
    if (!colour)
        return false;
    itemLabel(flash_.hoveredItem())->setForeColor(*colour);
    return true;
}

bool glavniMeni::writeSettingsCopies() {
    return writeSettings(runtime::programFolder(), settingsCopies());
}

void glavniMeni::menuNovaigra_Click() {
    switcher().switchTo(ScreenId::CardTable, this);
    Hide();
}

void glavniMeni::menuOpcije_Click() {
    // The options screen opens whether or not the file could be written, so
    // the player is never stuck; a failed save is said so over it.
    const bool saved = writeSettingsCopies();
    switcher().switchTo(ScreenId::Options, this);
    Hide();
    if (!saved)
        showSaveFailed(this);
}

void glavniMeni::menuKontrole_Click() {
    switcher().switchTo(ScreenId::Controls, this);
    Hide();
}

void glavniMeni::menuIzlaz_Click() {
    saveAndEnd();
}

void glavniMeni::saveAndEnd() {
    // The program ends even when the settings cannot be saved: keeping the
    // player in a menu that refuses to close would help nobody. It ends once
    // the player has read that the choices were lost.
    if (writeSettingsCopies())
        switcher().endProgram();
    else
        showSaveFailed(this, [this] { switcher().endProgram(); });
}
