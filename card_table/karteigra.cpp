#include "card_table/karteigra.h"

#include "card_table/cardplaces.h"
#include "common/durations.h"
#include "common/fonts.h"
#include "common/imagebank.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/settingsfile.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {
constexpr int cardWidth = cardPictureSize.width();
constexpr int cardHeight = cardPictureSize.height();
static_assert(cardplaces::lefts.size() == HandCycle::cardCount);
constexpr std::array<int, HandCycle::cardCount> markerLefts{610, 2170, 3750, 5310, 6865};

// The key a press means on the table, or Qt::Key_unknown for a key the
// table ignores. Both Enter keys are Enter; the number pad's digits are other
// keys.
Qt::Key tableKeyOf(const QKeyEvent& event) {
    const auto key = static_cast<Qt::Key>(event.key());
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Insert:
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
        return key;
    default:
        break;
    }
    if (event.modifiers().testFlag(Qt::KeypadModifier))
        return Qt::Key_unknown;
    if (key >= Qt::Key_1 && key <= Qt::Key_5)
        return key;
    // With Shift (or on layouts that put the digits on the shifted level) the
    // key reports its symbol; the physical digit keys 1 to 5 still count, as
    // the shift state plays no part in the table's keys.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
        constexpr quint32 firstDigitScanCode = 10; // evdev code of "1" plus 8
        const quint32 scan = event.nativeScanCode();
        if (scan >= firstDigitScanCode && scan < firstDigitScanCode + 5)
            return static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(scan - firstDigitScanCode));
    }
    return Qt::Key_unknown;
}

QPixmap scaledToCard(const QPixmap& picture) {
    if (picture.isNull() || picture.size() == QSize(cardWidth, cardHeight))
        return picture;
    return picture.scaled(cardWidth, cardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A face whose picture covers it with no see-through pixel paints all of it,
// so the table beneath needs no repaint when the picture changes. That keeps
// a spin's five changing cards from redrawing the background under them.
void showOnFace(QLabel* face, const QPixmap& picture) {
    face->setAttribute(Qt::WA_OpaquePaintEvent,
                       picture.size() == face->size() && !picture.hasAlphaChannel());
    face->setPixmap(picture);
}

} // namespace

KarteIgra::KarteIgra(ScreenSwitcher& switcher, SveSlike& bank, RandomSource& random)
    : Screen(switcher, ScreenId::CardTable), bank_(bank), hand_(random),
      meterTimer_(*this, "Timer1", durations::tableMeterTick, [this] { Timer1_Timer(); }),
      drawTimer_(*this, "Brojac", durations::cardDrawTick, [this] { return Brojac_Timer(); }),
      paintTimer_(*this, "ZaNoveKarte", durations::cardPaintTick, [this] { ZaNoveKarte_Timer(); }) {
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundPicture(QStringLiteral(":/backgrounds/KarteIgra.jpg"));
    addLine(3240, 270, 3240, 2160);

    const QFont plain = fonts::standard();
    const QFont bold = fonts::sized(8.25, true);
    const QFont meter = fonts::sized(11.25, true);
    const auto label = [this](const char* name, QRect twips, const QString& caption,
                              const QFont& font,
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
        return new Label(this, name, twips, caption, font, alignment);
    };

    label("Label2", {480, 360, 495, 255}, QStringLiteral("Igrac:"), plain);
    playerLabel_ = label("Load001", {480, 600, 4215, 255}, QString(), bold);
    label("Label4", {480, 960, 1215, 255}, QStringLiteral("Pocetni ulog:"), plain);
    startingCreditLabel_ = label("pocetniUlog", {480, 1200, 1695, 255}, QStringLiteral("0"), bold);
    label("Label3", {480, 1600, 495, 255}, QStringLiteral("Ulog:"), plain);
    stakeDisplay_ = label("ulogReal", {960, 1560, 2055, 255}, QStringLiteral("0"), meter,
                          Qt::AlignRight | Qt::AlignTop);
    label("Label1", {480, 1865, 735, 255}, QStringLiteral("Kasa:"), plain);
    creditDisplay_ =
        label("pareReal", {1080, 1820, 1935, 255}, runtime::numberText(StartingCredit::standard),
              meter, Qt::AlignRight | Qt::AlignTop);
    endGame_ = label("SnimiOpcije", {3465, 360, 2775, 255}, QStringLiteral("kraj igre"), bold,
                     Qt::AlignCenter);
    endGame_->setBoxed();
    connect(endGame_, &Label::clicked, this, &KarteIgra::SnimiOpcije_Click);
    label("Label5", {3480, 720, 1455, 255}, QStringLiteral("Dobitak:"), plain);
    winDisplay_ = label("dobitakReal", {3480, 960, 2655, 255}, QStringLiteral("0"), meter);

    for (int n = 0; n < HandCycle::cardCount; ++n) {
        auto* face = new QLabel(this);
        face->setObjectName(QStringLiteral("Karta%1").arg(n + 1));
        face->setGeometry(
            Screen::toPixels(QRect(cardplaces::lefts[n], cardplaces::top, cardWidth * twipsPerPixel,
                                   cardHeight * twipsPerPixel)));
        face->setAttribute(Qt::WA_TranslucentBackground);
        face->setAttribute(Qt::WA_TransparentForMouseEvents);
        faces_[n] = face;

        Label* marker =
            label("", {markerLefts[n], 2760, 1335, 255}, QStringLiteral("[   stop    ]"),
                  fonts::sized(9.75, true), Qt::AlignHCenter | Qt::AlignTop);
        marker->setObjectName(QStringLiteral("keep_%1").arg(n + 1));
        marker->hide();
        holdMarkers_[n] = marker;
    }
    scaledBack_ = scaledToCard(bank_.picture(SveSlike::Picture::Eks));
    for (QLabel* face : faces_)
        showOnFace(face, scaledBack_);

    offerPicture_ = new QLabel(this);
    offerPicture_->setObjectName(QStringLiteral("slikaVecaManja"));
    offerPicture_->setGeometry(Screen::toPixels(QRect(4800, 1550, 1455, 615)));
    offerPicture_->setAttribute(Qt::WA_TransparentForMouseEvents);
    offerPicture_->setPixmap(loadBuiltInPicture(QStringLiteral(":/pictures/slikaVecaManja.jpg")));
    offerPicture_->hide();
    offerHigher_ = label("naslovVeca", {4950, 1620, 615, 225}, QStringLiteral("veca"), bold);
    offerHigher_->hide();
    offerLower_ = label("naslovManja", {4950, 1830, 615, 255}, QStringLiteral("manja"), bold);
    offerLower_->hide();

    // The meters show their design texts until their first tick.
    meterTimer_.wake();
}

void KarteIgra::Form_Load() {
    // A missing or short file gives empty fields: no name, the level's
    // default credit, empty hold markers.
    const Settings settings = readSettings(runtime::programFolder());
    playerName_ = settings.playerName;
    playerLabel_->setCaptionElided(shownValue(playerName_));
    for (Label* marker : holdMarkers_)
        marker->setCaptionElided(shownValue(settings.holdMarkerCaption));
    const StartingCredit start = startingCredit(settings.startingCreditLevel, playerName_);
    hand_.open(start.credit);
    startingCreditLabel_->setCaption(start.shown);
}

void KarteIgra::takeBackCredit(Purse credit) {
    hand_.takeBackCredit(std::move(credit));
    // The meters showed the credit gone while the double-up had it; they
    // show it back before the table is seen again.
    Timer1_Timer();
}

void KarteIgra::keyPressEvent(QKeyEvent* event) {
    // Auto-repeated presses count like any other: a held Enter steps the hand
    // once per repeat.
    const Qt::Key key = tableKeyOf(*event);
    if (key == Qt::Key_unknown) {
        Screen::keyPressEvent(event);
        return;
    }
    event->accept();
    Form_KeyDown(key);
}

void KarteIgra::Form_KeyDown(Qt::Key key) {
    switch (key) {
    case Qt::Key_Insert:
        insertKey();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        follow(hand_.enter());
        break;
    case Qt::Key_F1:
        follow(hand_.stakeKey(StakeKey::F1));
        break;
    case Qt::Key_F2:
        follow(hand_.stakeKey(StakeKey::F2));
        break;
    case Qt::Key_F3:
        follow(hand_.stakeKey(StakeKey::F3));
        break;
    case Qt::Key_F4:
        follow(hand_.stakeKey(StakeKey::F4));
        break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
    case Qt::Key_5:
        follow(hand_.toggleHold(key - Qt::Key_1 + 1));
        break;
    default:
        break;
    }
}

void KarteIgra::insertKey() {
    if (!hand_.canHandOver())
        return;
    // The double-up takes the win and the credit themselves, with the name
    // and the table's place; the hand is cleared here as they leave.
    DoubleUpEntry entry{{}, {}, playerName_, position()};
    const HandCycle::Change change = hand_.handOver(entry.win, entry.credit);
    switcher().openDoubleUp(*this, std::move(entry));
    follow(change);
}

void KarteIgra::follow(const HandCycle::Change& change) {
    using Tick = HandCycle::Tick;
    if (change.holds)
        for (int n = 0; n < HandCycle::cardCount; ++n)
            holdMarkers_[n]->setVisible(hand_.held(n + 1));
    if (change.draw == Tick::Start)
        drawTimer_.wake();
    else if (change.draw == Tick::Stop)
        drawTimer_.stop();
    if (change.painting == Tick::Start)
        paintTimer_.wake();
    else if (change.painting == Tick::Stop)
        paintTimer_.stop();
    if (change.faces)
        showFaces();
    // The offer goes with the win at once; otherwise it follows the meters.
    if (change.cleared)
        showOffer();
    if (change.meters)
        meterTimer_.wake();
}

void KarteIgra::Timer1_Timer() {
    winDisplay_->setCaption(runtime::moneyFormat(hand_.win()));
    creditDisplay_->setCaption(runtime::moneyFormat(hand_.credit()));
    stakeDisplay_->setCaption(runtime::moneyFormat(hand_.stake()));
    showOffer();
}

void KarteIgra::showOffer() {
    // Offered while a win waits on a hand, taken away once there is none.
    if (hand_.win() > 0 && hand_.state() != HandState::Idle)
        setOfferVisible(true);
    else if (hand_.win() == 0)
        setOfferVisible(false);
}

bool KarteIgra::Brojac_Timer() {
    const HandCycle::Change change = hand_.drawTick();
    follow(change);
    return change.draw != HandCycle::Tick::Stop;
}

void KarteIgra::ZaNoveKarte_Timer() {
    // A painting tick shows every face from its colour's holder, whose
    // picture the menu may have changed as well; only what changed is set.
    hand_.paintTick();
    showFaces();
}

void KarteIgra::SnimiOpcije_Click() {
    // Whatever the hand is doing, it is dropped with the table.
    switcher().switchTo(*this, ScreenId::MainMenu, Placing::AtCaller, Leaving::Unload);
}

const QPixmap& KarteIgra::facePicture(std::optional<CardColour> face) {
    if (!face)
        return scaledBack_;
    return scaledHolders_[colourIndex(*face)];
}

void KarteIgra::showFaces() {
    const bool holdersChanged = scaledGeneration_ != bank_.holderGeneration();
    if (holdersChanged) {
        // A player's own picture may be any size; it is scaled once per
        // change of the holders, not on every tick.
        for (CardColour colour : allCardColours)
            scaledHolders_[colourIndex(colour)] = scaledToCard(bank_.holder(colour));
        scaledGeneration_ = bank_.holderGeneration();
    }
    for (int n = 0; n < HandCycle::cardCount; ++n) {
        const std::optional<CardColour> face = hand_.face(n + 1);
        if (face == shownFaces_[n] && !(holdersChanged && face))
            continue;
        shownFaces_[n] = face;
        showOnFace(faces_[n], facePicture(face));
    }
}

void KarteIgra::setOfferVisible(bool visible) {
    for (QWidget* part : {static_cast<QWidget*>(offerPicture_), static_cast<QWidget*>(offerHigher_),
                          static_cast<QWidget*>(offerLower_)})
        if (part->isVisibleTo(this) != visible)
            part->setVisible(visible);
}
