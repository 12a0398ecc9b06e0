#include "app/screenset.h"

#include "card_table/karteigra.h"
#include "double_up/vecamanja.h"
#include "settings_screens/kontrole.h"
#include "settings_screens/opcije.h"
#include "startup/glavnimeni.h"
#include "startup/intrro.h"

#include <QCoreApplication>
#include <QEvent>

ScreenSet::ScreenSet(RandomSource& random, std::function<void()> onEnd)
    : random_(random), onEnd_(std::move(onEnd)) {
    if (!onEnd_)
        onEnd_ = [] { QCoreApplication::exit(0); };
}

ScreenSet::~ScreenSet() {
    for (auto& screen : screens_)
        screen.reset();
    // Screens unloaded from inside their own handlers wait for the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::unique_ptr<Screen>& ScreenSet::slot(ScreenId id) {
    return screens_[static_cast<std::size_t>(id)];
}

Screen* ScreenSet::existing(ScreenId id) const {
    return screens_[static_cast<std::size_t>(id)].get();
}

template <typename T> static T* existingAs(const ScreenSet& set, ScreenId id) {
    return static_cast<T*>(set.existing(id));
}

Intrro* ScreenSet::intro() const {
    return existingAs<Intrro>(*this, ScreenId::Intro);
}
glavniMeni* ScreenSet::mainMenu() const {
    return existingAs<glavniMeni>(*this, ScreenId::MainMenu);
}
KarteIgra* ScreenSet::cardTable() const {
    return existingAs<KarteIgra>(*this, ScreenId::CardTable);
}
VecaManja* ScreenSet::doubleUp() const {
    return existingAs<VecaManja>(*this, ScreenId::DoubleUp);
}

std::unique_ptr<Screen> ScreenSet::create(ScreenId id) {
    switch (id) {
    case ScreenId::Intro:
        return std::make_unique<Intrro>(*this);
    case ScreenId::MainMenu:
        return std::make_unique<glavniMeni>(*this, bank_);
    case ScreenId::CardTable:
        return std::make_unique<KarteIgra>(*this, bank_, random_);
    case ScreenId::DoubleUp:
        break;
    case ScreenId::Options:
        return std::make_unique<Opcije>(*this);
    case ScreenId::Controls:
        return std::make_unique<Kontrole>(*this);
    }
    return nullptr;
}

Screen& ScreenSet::install(std::unique_ptr<Screen> screen) {
    screen->Form_Load();
    std::unique_ptr<Screen>& place = slot(screen->id());
    place = std::move(screen);
    return *place;
}

Screen* ScreenSet::touch(ScreenId id) {
    if (Screen* screen = existing(id))
        return screen;
    std::unique_ptr<Screen> created = create(id);
    return created ? &install(std::move(created)) : nullptr;
}

void ScreenSet::unload(ScreenId id) {
    std::unique_ptr<Screen>& screen = slot(id);
    if (!screen)
        return;
    // No tick of a closed screen may run, even before it is deleted.
    screen->Unload();
    screen.release()->deleteLater();
}

void ScreenSet::start() {
    touch(ScreenId::Intro)->Show();
}

void ScreenSet::switchTo(Screen& from, ScreenId target, Placing placing, Leaving leaving) {
    Screen* screen = touch(target);
    if (!screen)
        return;
    if (placing == Placing::AtCaller)
        screen->Move(from.position());
    screen->Show();
    if (leaving == Leaving::Hide)
        from.Hide();
    else
        unload(from.id());
}

void ScreenSet::openDoubleUp(Screen& table, DoubleUpEntry entry) {
    unload(ScreenId::DoubleUp);
    install(std::make_unique<VecaManja>(*this, bank_, random_, std::move(entry))).Show();
    table.Hide();
}

void ScreenSet::returnToCardTable(Screen& doubleUp, Purse credit) {
    // The card table is hidden, never unloaded, while the double-up is open,
    // so the credit always has a table to go back to.
    KarteIgra* table = cardTable();
    money::assured(table != nullptr);
    table->takeBackCredit(std::move(credit));
    table->Move(doubleUp.position());
    table->Show();
    unload(doubleUp.id());
}

void ScreenSet::endProgram() {
    for (auto& screen : screens_)
        if (screen)
            screen->Hide();
    onEnd_();
}

void ScreenSet::closeRequested() {
    if (glavniMeni* menu = mainMenu())
        menu->saveAndEnd();
    else
        endProgram();
}
