#include "double_up/vecamanja.h"

#include "common/durations.h"
#include "common/fonts.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/settingsfile.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
SveSlike::Picture pictureOf(DoubleUp::Card card) {
    switch (card) {
    case DoubleUp::Card::Dollar:
        return SveSlike::Picture::Dolar;
    case DoubleUp::Card::RedX:
        return SveSlike::Picture::Unazad;
    case DoubleUp::Card::MysteryCard:
        break;
    }
    return SveSlike::Picture::VecaManja;
}
} // namespace

VecaManja::VecaManja(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random,
                     DoubleUpEntry entry)
    : Screen(switcher, ScreenId::DoubleUp), bank_(bank), entry_(std::move(entry)), game_(random),
      displayTimer_(*this, "Timer1", durations::doubleUpDisplayTick, [this] { Timer1_Timer(); }),
      pauseTimer_(*this, "Vracanje_Upitnika", durations::doubleUpPause,
                  [this] { Vracanje_Upitnika_Timer(); }) {
    setBackgroundPicture(QStringLiteral(":/backgrounds/VecaManja.jpg"));
    setFocusPolicy(Qt::StrongFocus);

    const QFont plain = fonts::standard();
    const QFont bold = fonts::sized(8.25, true);
    const QFont amount = fonts::sized(11.25, true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;

    auto* playerCaption =
        new Label(this, "Label1", {480, 360, 615, 255}, QStringLiteral("Igrac:"), plain);
    playerLabel_ = new Label(this, "Ime", {960, 360, 1935, 255}, QString(), bold);
    auto* rightGuessesCaption = new Label(this, "Label5", {3480, 360, 1335, 255},
                                          QStringLiteral("Pogodjenih karata:"), plain);
    rightGuessesLabel_ =
        new Label(this, "pogodjenihKarata", {4920, 360, 1455, 255}, QStringLiteral("0"), bold);
    auto* totalGainedCaption = new Label(this, "Label4", {3480, 720, 2175, 255},
                                         QStringLiteral("Ukupan dobitak veca/manja:"), plain);
    totalGainedDisplay_ =
        new Label(this, "ukupanDobitakreal", {3480, 960, 1935, 255}, QStringLiteral("0"), bold);
    addLine(480, 1440, 6240, 1440);
    auto* stakeCaption =
        new Label(this, "Label3", {3480, 1605, 735, 255}, QStringLiteral("Dobitak:"), plain);
    stakeDisplay_ =
        new Label(this, "realDobitak", {4320, 1575, 1935, 255}, QString(), amount, right);
    auto* creditCaption =
        new Label(this, "Label2", {3480, 1875, 735, 255}, QStringLiteral("Kasa:"), plain);
    creditDisplay_ = new Label(this, "Kasa", {4320, 1830, 1935, 255}, QString(), amount, right);
    for (Label* caption :
         {playerCaption, rightGuessesCaption, totalGainedCaption, stakeCaption, creditCaption})
        caption->fitToCaption();

    outcomeLabel_ =
        new Label(this, "Slucajan_Broj", {8520, 120, 375, 255}, QString(), plain, Qt::AlignCenter);
    const QColor highlight = palette().color(QPalette::Highlight);
    outcomeLabel_->setForeColour(
        runtime::rgb(highlight.red(), highlight.green(), highlight.blue()));
    outcomeLabel_->hide();

    // The pictures are exactly card-sized; a picture of another size is shown
    // as it is, never stretched.
    cardPicture_ = new QLabel(this);
    cardPicture_->setObjectName(QStringLiteral("Karta1"));
    cardPicture_->setGeometry(toPixels(QRect(581, 3123, 1395, 2175)));
    cardPicture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cardPicture_->setScaledContents(false);
    cardPicture_->setPixmap(bank_.picture(shownPicture_));
}

void VecaManja::Form_Load() {
    Move(entry_.position);
    game_.start(entry_.win, entry_.credit);
    showCard();
    playerLabel_->setCaptionElided(shownValue(entry_.playerName));
    outcomeLabel_->setCaption(QString::number(game_.outcome()));
    outcomeLabel_->setVisible(DoubleUp::showsOutcome(entry_.playerName));
    rightGuessesLabel_->setCaption(QStringLiteral("0"));
    // The amounts are filled before the screen is first shown, so it never
    // shows them empty.
    Timer1_Timer();
}

void VecaManja::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(static_cast<Qt::Key>(event->key()));
    event->accept();
}

void VecaManja::guess(DoubleUp::Guess guess) {
    if (game_.guess(guess) == DoubleUp::GuessResult::Right) {
        outcomeLabel_->setCaption(QString::number(game_.outcome()));
        rightGuessesLabel_->setCaption(QString::number(game_.rightGuesses()));
        pauseTimer_.wake();
    }
}

void VecaManja::Form_KeyDown(Qt::Key key) {
    switch (key) {
    case Qt::Key_PageUp:
        guess(DoubleUp::Guess::Higher);
        break;
    case Qt::Key_PageDown:
        guess(DoubleUp::Guess::Lower);
        break;
    case Qt::Key_Delete:
        game_.cashHalf();
        break;
    case Qt::Key_End:
        game_.cashAll();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        switcher().returnToCardTable(*this, game_.leave());
        return;
    default:
        return;
    }
    showCard();
    displayTimer_.wake();
}

void VecaManja::Timer1_Timer() {
    game_.displayTick();
    showCard();
    creditDisplay_->setCaption(runtime::moneyFormat(game_.credit()));
    stakeDisplay_->setCaption(runtime::moneyFormat(game_.stake()));
    totalGainedDisplay_->setCaption(runtime::moneyFormat(game_.totalGained()));
}

void VecaManja::Vracanje_Upitnika_Timer() {
    // The lock switches itself off.
    pauseTimer_.stop();
    game_.pauseEnded();
    showCard();
    // With nothing left at stake the red X returns at the next display tick.
    displayTimer_.wake();
}

void VecaManja::showCard() {
    const SveSlike::Picture wanted = pictureOf(game_.card());
    if (wanted == shownPicture_)
        return;
    shownPicture_ = wanted;
    cardPicture_->setPixmap(bank_.picture(wanted));
}
