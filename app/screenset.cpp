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
    return screens_[static_cast<int>(id)];
}

Screen* ScreenSet::existing(ScreenId id) const {
    return screens_[static_cast<int>(id)].get();
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

Screen& ScreenSet::touch(ScreenId id) {
    std::unique_ptr<Screen>& screen = slot(id);
    if (screen)
        return *screen;
    switch (id) {
    case ScreenId::Intro: {
        auto intro = std::make_unique<Intrro>(*this);
        intro->Form_Load();
        screen = std::move(intro);
        break;
    }
    case ScreenId::MainMenu:
        screen = std::make_unique<glavniMeni>(*this, bank_);
        break;
    case ScreenId::CardTable: {
        auto table = std::make_unique<KarteIgra>(*this, bank_, random_);
        table->Form_Load();
        screen = std::move(table);
        break;
    }
    case ScreenId::DoubleUp:
        // Only the card table's hand-over opens it, with its win.
        screen = std::make_unique<VecaManja>(*this, bank_, random_);
        break;
    case ScreenId::Options:
        screen = std::make_unique<Opcije>(*this);
        break;
    case ScreenId::Controls:
        screen = std::make_unique<Kontrole>(*this);
        break;
    }
    return *screen;
}

void ScreenSet::start() {
    touch(ScreenId::Intro).Show();
}

void ScreenSet::switchTo(ScreenId target, const Screen* positionFrom) {
    Screen& screen = touch(target);
    if (positionFrom)
        screen.Move(positionFrom->position());
    screen.Show();
}

void ScreenSet::unload(ScreenId id) {
    std::unique_ptr<Screen>& screen = slot(id);
    if (!screen)
        return;
    // No tick of a closed screen may run, even before it is deleted.
    screen->Unload();
    screen.release()->deleteLater();
}

void ScreenSet::openDoubleUp(const DoubleUpEntry& entry) {
    unload(ScreenId::DoubleUp);
    auto doubleUp = std::make_unique<VecaManja>(*this, bank_, random_);
    doubleUp->Form_Load(entry);
    VecaManja& shown = *doubleUp;
    slot(ScreenId::DoubleUp) = std::move(doubleUp);
    shown.Show();
}

void ScreenSet::returnToCardTable(std::int64_t credit, QPoint position) {
    KarteIgra* table = cardTable();
    if (!table)
        return;
    table->setCredit(credit);
    table->Move(position);
    table->Show();
}

void ScreenSet::endProgram() {
    for (auto& screen : screens_)
        if (screen)
            screen->hide();
    onEnd_();
}

void ScreenSet::closeRequested() {
    if (glavniMeni* menu = mainMenu())
        menu->saveAndEnd();
    else
        endProgram();
}
