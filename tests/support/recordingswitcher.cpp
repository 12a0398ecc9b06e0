#include "recordingswitcher.h"

#include "common/screen.h"

void RecordingSwitcher::switchTo(ScreenId target, const Screen* positionFrom) {
    record(QStringLiteral("switchTo ") + nameOf(target));
    switches.push_back({target, positionFrom});
}

void RecordingSwitcher::unload(ScreenId screen) {
    record(QStringLiteral("unload ") + nameOf(screen));
    unloads.push_back(screen);
}

void RecordingSwitcher::openDoubleUp(const DoubleUpEntry& entry) {
    record(QStringLiteral("openDoubleUp"));
    doubleUps.push_back(entry);
}

void RecordingSwitcher::returnToCardTable(std::int64_t credit, QPoint position) {
    record(QStringLiteral("returnToCardTable"));
    returns.push_back({credit, position});
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
