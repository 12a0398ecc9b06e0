#include "double_up/vecamanja.h"

#include "common/durations.h"
#include "common/fonts.h"
#include "common/label.h"
#include "common/runtime.h"
#include "startup/settings.h"

#include <QFontMetrics>
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

VecaManja::VecaManja(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random)
    : Screen(switcher, ScreenId::DoubleUp), bank_(bank), game_(random),
      displayTimer_(
          durations::doubleUpDisplayTick, [this] { return Timer1_Timer(); }, this) {
    setBackgroundPicture(QStringLiteral(":/backgrounds/VecaManja.jpg"));
    setFocusPolicy(Qt::StrongFocus);

    const QFont plain = fonts::standard();
    const QFont bold = fonts::sized(8.25, true);
    const QFont amount = fonts::sized(11.25, true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignTop;

    Label1 = new Label(this, "Label1", {480, 360, 615, 255}, QStringLiteral("Igrac:"), plain);
    Ime = new Label(this, "Ime", {960, 360, 1935, 255}, QString(), bold);
    Label5 = new Label(this, "Label5", {3480, 360, 1335, 255}, QStringLiteral("Pogodjenih karata:"),
                       plain);
    pogodjenihKarata =
        new Label(this, "pogodjenihKarata", {4920, 360, 1455, 255}, QStringLiteral("0"), bold);
    Label4 = new Label(this, "Label4", {3480, 720, 2175, 255},
                       QStringLiteral("Ukupan dobitak veca/manja:"), plain);
    ukupanDobitakreal =
        new Label(this, "ukupanDobitakreal", {3480, 960, 1935, 255}, QStringLiteral("0"), bold);
    addLine(480, 1440, 6240, 1440);
    Label3 = new Label(this, "Label3", {3480, 1605, 735, 255}, QStringLiteral("Dobitak:"), plain);
    realDobitak = new Label(this, "realDobitak", {4320, 1575, 1935, 255}, QString(), amount, right);
    Label2 = new Label(this, "Label2", {3480, 1875, 735, 255}, QStringLiteral("Kasa:"), plain);
    Kasa = new Label(this, "Kasa", {4320, 1830, 1935, 255}, QString(), amount, right);
    for (Label* caption : {Label1, Label5, Label4, Label3, Label2})
        caption->fitToCaption();

    Slucajan_Broj =
        new Label(this, "Slucajan_Broj", {8520, 120, 375, 255}, QString(), plain, Qt::AlignCenter);
    const QColor highlight = palette().color(QPalette::Highlight);
    Slucajan_Broj->setForeColor(runtime::rgb(highlight.red(), highlight.green(), highlight.blue()));
    Slucajan_Broj->hide();

    // The pictures are exactly card-sized; a picture of another size is shown
    // as it is, never stretched.
    Karta1 = new QLabel(this);
    Karta1->setObjectName(QStringLiteral("Karta1"));
    Karta1->setGeometry(toPixels(QRect(581, 3123, 1395, 2175)));
    Karta1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Karta1->setScaledContents(false);
    Karta1->setPixmap(bank_.picture(shownPicture_));

    pauseTimer_.setParent(this);
    pauseTimer_.setSingleShot(true);
    pauseTimer_.setInterval(durations::doubleUpPause);
    pauseTimer_.setTimerType(Qt::PreciseTimer);
    connect(&pauseTimer_, &QTimer::timeout, this, &VecaManja::Vracanje_Upitnika_Timer);
}

void VecaManja::Form_Load(const DoubleUpEntry& entry) {
    Move(entry.position);
    game_.start(entry.win, entry.credit);
    showCard();
    // A hand-edited name can be megabytes long: only what fits is laid out.
    Ime->setCaption(QFontMetrics(Ime->font())
                        .elidedText(shownValue(entry.playerName), Qt::ElideRight, Ime->width()));
    Slucajan_Broj->setCaption(QString::number(game_.outcome()));
    Slucajan_Broj->setVisible(DoubleUp::showsOutcome(entry.playerName));
    pogodjenihKarata->setCaption(QStringLiteral("0"));
    // The amounts are filled before the screen is first shown, so it never
    // shows them empty.
    Timer1_Timer();
}

void VecaManja::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(event->key());
    event->accept();
}

void VecaManja::guess(DoubleUp::Guess guess) {
    if (game_.guess(guess) == DoubleUp::GuessResult::Right) {
        Slucajan_Broj->setCaption(QString::number(game_.outcome()));
        pogodjenihKarata->setCaption(QString::number(game_.rightGuesses()));
        pauseTimer_.start();
    }
}

void VecaManja::Form_KeyDown(int key) {
    switch (key) {
    case Qt::Key_PageUp:
        guess(DoubleUp::Guess::Veca);
        break;
    case Qt::Key_PageDown:
        guess(DoubleUp::Guess::Manja);
        break;
    case Qt::Key_Delete:
        game_.cashHalf();
        break;
    case Qt::Key_End:
        game_.cashAll();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const std::int64_t credit = game_.leave();
        displayTimer_.stop();
        pauseTimer_.stop();
        switcher().returnToCardTable(credit, position());
        switcher().unload(ScreenId::DoubleUp);
        return;
    }
    default:
        return;
    }
    showCard();
    displayTimer_.wake();
}

bool VecaManja::Timer1_Timer() {
    game_.displayTick();
    showCard();
    Kasa->setCaption(runtime::moneyFormat(game_.credit()));
    realDobitak->setCaption(runtime::moneyFormat(game_.stake()));
    ukupanDobitakreal->setCaption(runtime::moneyFormat(game_.totalGained()));
    return false;
}

void VecaManja::Vracanje_Upitnika_Timer() {
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
    Karta1->setPixmap(bank_.picture(wanted));
}
