#include "recordingswitcher.h"

#include "common/screen.h"

void RecordingSwitcher::switchTo(Screen& from, ScreenId target, Placing placing, Leaving leaving) {
    record(QStringLiteral("switchTo ") + nameOf(target));
    switches.push_back({target, placing == Placing::AtCaller ? &from : nullptr});
    leave(from, leaving);
}

void RecordingSwitcher::openDoubleUp(Screen& table, DoubleUpEntry entry) {
    record(QStringLiteral("openDoubleUp"));
    doubleUps.push_back(std::move(entry));
    leave(table, Leaving::Hide);
}

void RecordingSwitcher::returnToCardTable(Screen& doubleUp, Purse credit) {
    record(QStringLiteral("returnToCardTable"));
    returns.push_back({credit.amount(), doubleUp.position()});
    leave(doubleUp, Leaving::Unload);
}

void RecordingSwitcher::leave(Screen& from, Leaving leaving) {
    if (leaving == Leaving::Hide) {
        if (leaves)
            from.Hide();
        return;
    }
    record(QStringLiteral("unload ") + nameOf(from.id()));
    unloads.push_back(from.id());
    if (leaves)
        from.Unload();
}

void RecordingSwitcher::endProgram() {
    record(QStringLiteral("endProgram"));
    ++ends;
}

void RecordingSwitcher::closeRequested() {
    record(QStringLiteral("closeRequested"));
    ++closeRequests;
}

QString RecordingSwitcher::nameOf(ScreenId screen) {
    switch (screen) {
    case ScreenId::Intro:
        return QStringLiteral("Intro");
    case ScreenId::MainMenu:
        return QStringLiteral("MainMenu");
    case ScreenId::CardTable:
        return QStringLiteral("CardTable");
    case ScreenId::DoubleUp:
        return QStringLiteral("DoubleUp");
    case ScreenId::Options:
        return QStringLiteral("Options");
    case ScreenId::Controls:
        return QStringLiteral("Controls");
    }
    return QStringLiteral("screen %1").arg(int(screen));
}

void RecordingSwitcher::record(const QString& call) {
    calls << call;
    callerVisible << (caller && caller->isVisible());
}
