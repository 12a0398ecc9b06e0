#pragma once
// KarteIgra, the card table: five cards, the credit, stake and win meters,
// the hold markers, the double-up offer and "kraj igre". The game itself is
// HandCycle; this screen turns keys and timer ticks into its calls and shows
// what it holds.

#include "card_table/handcycle.h"
#include "common/screen.h"
#include "common/screentimer.h"

#include <QPixmap>
#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class Label;
class SveSlike;
class RandomSource;

class KarteIgra : public Screen {
    Q_OBJECT
public:
    KarteIgra(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random);

    // Reads the settings file: player name, starting credit, hold-marker caption.
    void Form_Load() override;
    // The double-up screen hands the credit back through this.
    void takeBackCredit(Purse credit);

    // A key press: Enter, Insert, F1 to F4, or the main keyboard's digits 1
    // to 5. Every press counts, key repeat included; any other key does nothing.
    void Form_KeyDown(Qt::Key key);

    // The three timers' ticks.
    void Timer1_Timer();      // meters and the double-up offer
    bool Brojac_Timer();      // colour draw while a spin runs; returns whether it goes on
    void ZaNoveKarte_Timer(); // card faces
    void SnimiOpcije_Click(); // "kraj igre"

    const HandCycle& hand() const { return hand_; }
    const QString& playerName() const { return playerName_; }
    // The timers, so tests can step time with fire().
    SingleShotTimer& meterTimer() { return meterTimer_; }
    RepeatingTimer& drawTimer() { return drawTimer_; }
    SingleShotTimer& paintTimer() { return paintTimer_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void insertKey();
    // After every change of the hand: shows what it changed and starts or
    // stops the ticks that follow it.
    void follow(const HandCycle::Change& change);
    void showFaces();
    const QPixmap& facePicture(std::optional<CardColour> face);
    // The double-up offer: the picture with "veca" and "manja".
    void showOffer();
    void setOfferVisible(bool visible);

    SveSlike& bank_;
    HandCycle hand_;
    QString playerName_;

    Label* playerLabel_ = nullptr;
    Label* startingCreditLabel_ = nullptr;
    Label* stakeDisplay_ = nullptr;
    Label* creditDisplay_ = nullptr;
    Label* winDisplay_ = nullptr;
    Label* endGame_ = nullptr;
    std::array<QLabel*, HandCycle::cardCount> faces_{};
    std::array<Label*, HandCycle::cardCount> holdMarkers_{};
    QLabel* offerPicture_ = nullptr;
    Label* offerHigher_ = nullptr;
    Label* offerLower_ = nullptr;

    // What each face shows now, so a face is set only when that changes.
    std::array<std::optional<CardColour>, HandCycle::cardCount> shownFaces_{};
    // The holders' pictures scaled to a card, redone only when a holder changes.
    std::array<QPixmap, 4> scaledHolders_;
    int scaledGeneration_ = -1;
    QPixmap scaledBack_;

    // Each change of the hand wakes the meters and the faces, which then
    // catch up with it in one tick.
    SingleShotTimer meterTimer_;
    RepeatingTimer drawTimer_;
    SingleShotTimer paintTimer_;
};
