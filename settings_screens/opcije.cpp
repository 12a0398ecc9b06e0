#include "settings_screens/opcije.h"

#include "common/creditlevels.h"
#include "common/fonts.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/settingsfile.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {
const QString okMarker = QStringLiteral("[ OK ]");

struct Choice {
    const char* name;
    const char* caption;
    const char* marker;
    int top;
    int width;
};

// Levels 1 to 3 in the order of creditLevels; each shows "= " and its credit.
constexpr std::array<Choice, 3> levels{{
    {"ulog2000", nullptr, "OK1", 4200, 1095},
    {"ulog5000", nullptr, "OK2", 4440, 1095},
    {"ulog10000", nullptr, "OK3", 4680, 1215},
}};
static_assert(levels.size() == creditLevels.size());

// Themes 1 to 6 in the order of their numbers.
constexpr std::array<Choice, 6> themes{{
    {"Tema01", "Poker", "TemaOK1", 3360, 1335},
    {"Tema02", "King-Kong", "TemaOK2", 3600, 1335},
    {"Tema03", "Aliens", "TemaOK3", 3840, 1335},
    {"Tema04", "Celebrities", "TemaOK4", 4080, 1575},
    {"Tema05", "xxx (18+)", "TemaOK5", 4320, 1335},
    {"Tema06", "Korisnicki", "TemaOK6", 4680, 1575},
}};

// A pasted line break (or any other control character) would break the
// settings file's lines: the name box drops them, typed or pasted.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        for (qsizetype i = input.size(); i-- > 0;) {
            if (input[i].category() != QChar::Other_Control)
                continue;
            input.remove(i, 1);
            if (i < position)
                --position;
        }
        return Acceptable;
    }
};

Label* makeLabel(QWidget* parent, const char* name, QRect twips, const QString& caption,
                 bool bold = false) {
    return new Label(parent, name, twips, caption, fonts::sized(8.25, bold));
}
} // namespace

Opcije::Opcije(ScreenSwitcher& switcher) : SettingsScreen(switcher, ScreenId::Options) {
    setBackgroundPicture(QStringLiteral(":/backgrounds/Opcije.bmp"));

    makeLabel(this, "Label1", {1800, 2600, 735, 255}, QStringLiteral("OPCIJE"), true);
    makeLabel(this, "Label12", {1800, 2970, 495, 255}, QStringLiteral("Ime:"));
    makeLabel(this, "Label2", {1800, 3795, 1095, 255}, QStringLiteral("Pocetni ulog:"));
    makeLabel(this, "Label3", {4800, 2970, 495, 255}, QStringLiteral("Teme:"));

    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("Load001"));
    nameBox_->setGeometry(toPixels(QRect(1800, 3340, 2535, 285)));
    nameBox_->setFont(fonts::standard());
    nameBox_->setMaxLength(nameLimit);
    nameBox_->setValidator(new NameValidator(nameBox_));
    QPalette boxColours = nameBox_->palette();
    boxColours.setColor(QPalette::Base, Qt::white);
    boxColours.setColor(QPalette::Text, Qt::black);
    nameBox_->setPalette(boxColours);
    connect(nameBox_, &QLineEdit::textEdited, this, &Opcije::Load001_Edited);

    for (std::size_t i = 0; i < levels.size(); ++i) {
        const Choice& level = levels[i];
        levelLabels_[i] =
            makeLabel(this, level.name, {1800, level.top, level.width, 255},
                      QStringLiteral("= ") + QString::fromLatin1(creditLevels[i].shown));
        levelMarkers_[i] = makeLabel(this, level.marker, {3840, level.top, 615, 255}, okMarker);
        levelMarkers_[i]->hide();
    }
    connect(levelLabels_[0], &Label::clicked, this, &Opcije::ulog2000_Click);
    connect(levelLabels_[1], &Label::clicked, this, &Opcije::ulog5000_Click);
    connect(levelLabels_[2], &Label::clicked, this, &Opcije::ulog10000_Click);

    for (std::size_t i = 0; i < themes.size(); ++i) {
        const Choice& theme = themes[i];
        themeLabels_[i] = makeLabel(this, theme.name, {4800, theme.top, theme.width, 255},
                                    QString::fromLatin1(theme.caption));
        themeMarkers_[i] = makeLabel(this, theme.marker, {6840, theme.top, 855, 255}, okMarker);
        themeMarkers_[i]->hide();
    }
    // Theme 5 is never offered here; a file that names it only shows its marker.
    themeLabels_[4]->hide();
    // Beside "Korisnicki" until an activation recognises a theme.
    themeMarkers_[5]->show();
    connect(themeLabels_[0], &Label::clicked, this, &Opcije::Tema01_Click);
    connect(themeLabels_[1], &Label::clicked, this, &Opcije::Tema02_Click);
    connect(themeLabels_[2], &Label::clicked, this, &Opcije::Tema03_Click);
    connect(themeLabels_[3], &Label::clicked, this, &Opcije::Tema04_Click);
    connect(themeLabels_[5], &Label::clicked, this, &Opcije::Tema06_Click);

    connect(addBackButton(), &Label::clicked, this, &Opcije::SnimiOpcije_Click);

    addLine(1680, 2880, 7440, 2880);
    addLine(1680, 5040, 7440, 5040);
    addLine(1680, 3240, 4440, 3240);
    addLine(1680, 3720, 4440, 3720);
    addLine(1680, 4080, 4440, 4080);
    addLine(4680, 3240, 7440, 3240);
    addLine(4680, 4600, 7440, 4600);
    addLine(4560, 3000, 4560, 4920);
    addLine(3600, 4200, 3600, 4920);
    addLine(6600, 3360, 6600, 4920);
}

void Opcije::Form_Activate() {
    // A missing file or field reads as the empty text, which marks nothing.
    settings_ = readSettings(runtime::programFolder());
    showName(settings_.playerName);

    // The level is matched as exact text, the theme as a number: "06" is
    // theme 6 but level "02" is no level. Unrecognised values leave the marks
    // of the last visit.
    for (int level = 1; level <= 3; ++level) {
        if (settings_.startingCreditLevel == QLatin1String(creditLevels[level - 1].value)) {
            markLevel(level);
            break;
        }
    }
    if (const std::optional<double> number = runtime::regionalNumber(settings_.themeNumber)) {
        for (int theme = 1; theme <= 6; ++theme) {
            if (*number == theme) {
                markTheme(theme);
                break;
            }
        }
    }
}

void Opcije::chooseLevel(int level) {
    settings_.startingCreditLevel = QString::fromLatin1(creditLevels[level - 1].value);
    markLevel(level);
}

void Opcije::chooseTheme(int theme) {
    markTheme(theme);
    settings_.themeNumber = QString::number(theme);
}

void Opcije::markLevel(int level) {
    for (int i = 0; i < 3; ++i) {
        levelMarkers_[i]->setVisible(i + 1 == level);
        levelLabels_[i]->setBold(i + 1 == level);
    }
}

void Opcije::markTheme(int theme) {
    for (int i = 0; i < 6; ++i) {
        themeLabels_[i]->setBold(i + 1 == theme);
        themeMarkers_[i]->setVisible(i + 1 == theme);
    }
}

void Opcije::showName(const QString& name) {
    // A name longer than the typing limit can only come from a hand-edited
    // file. The box shows it whole rather than cutting it, up to what a box
    // could ever show; the player can shorten it but not lengthen it (see
    // Load001_Edited). Left as shown, the name is saved back whole, bytes
    // that were not UTF-8 included.
    const QString shown = shownValue(name);
    nameBox_->setMaxLength(std::max<int>(nameLimit, int(shown.size())));
    nameBox_->setText(shown);
    shownName_ = nameBox_->text();
}

void Opcije::Load001_Edited() {
    // Let an over-long name only shrink; within the limit this is the plain limit.
    nameBox_->setMaxLength(std::max<int>(nameLimit, int(nameBox_->text().size())));
}

void Opcije::SnimiOpcije_Click() {
    Settings saved = settings_;
    if (nameBox_->text() != shownName_)
        saved.playerName = nameBox_->text();
    saveAndReturn(saved);
}
