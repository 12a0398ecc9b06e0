#include "settings_screens/kontrole.h"

#include "common/fonts.h"
#include "common/label.h"
#include "common/runtime.h"
#include "common/settingsfile.h"

#include <array>

namespace {
struct KeyRow {
    int top;
    const char* action;
    int actionWidth;
    const char* key;
};

constexpr int keyWidth = 855;

constexpr std::array<KeyRow, 6> cardTableKeys{{
    {3360, "Vrti", 975, "ENTER"},
    {3600, "Ulog - 50.00", 1335, "F1"},
    {3840, "Ulog + 50.00", 1215, "F2"},
    {4080, "Ulog - 1,000.00", 1455, "F3"},
    {4320, "Ulog + 1,000.00", 1455, "F4"},
    {4560, "Zadrzi kartu", 1215, "1,2,3,4,5"},
}};

constexpr std::array<KeyRow, 6> doubleUpKeys{{
    {3360, "Ulazak", 975, "Insert"},
    {3600, "Veca", 975, "Page Up"},
    {3840, "Manja", 975, "Page Down"},
    {4080, "Kasiraj pola", 1095, "Delete"},
    {4320, "Kasiraj sve", 1095, "End"},
    {4560, "Vrac. na tombel", 1095, "ENTER"},
}};

Label* addText(QWidget* screen, QRect twips, const char* caption) {
    auto* label = new Label(screen, "", twips, QString::fromLatin1(caption), fonts::standard());
    // Grows inside its column, clear of the rule to its right.
    label->fitToCaption();
    return label;
}

void addColumn(QWidget* screen, int actionLeft, int keyLeft, const std::array<KeyRow, 6>& rows) {
    for (const KeyRow& row : rows) {
        addText(screen, {actionLeft, row.top, row.actionWidth, 255}, row.action);
        addText(screen, {keyLeft, row.top, keyWidth, 255}, row.key);
    }
}
} // namespace

Kontrole::Kontrole(ScreenSwitcher& switcher) : SettingsScreen(switcher, ScreenId::Controls) {
    setBackgroundPicture(QStringLiteral(":/backgrounds/Kontrole.jpg"));

    new Label(this, "Label14", {1800, 2580, 2535, 255}, QStringLiteral("KONTROLE"),
              fonts::sized(8.25, true));
    addText(this, {1800, 2970, 975, 255}, "Tombel:");
    addText(this, {4800, 2970, 975, 255}, "Veca/manja:");
    addColumn(this, 1800, 3360, cardTableKeys);
    addColumn(this, 4800, 6240, doubleUpKeys);

    connect(addBackButton(), &Label::clicked, this, &Kontrole::SnimiOpcije_Click);

    addLine(1680, 2880, 7440, 2880);
    addLine(1680, 5040, 7440, 5040);
    addLine(1680, 3240, 4440, 3240);
    addLine(4680, 3240, 7440, 3240);
    addLine(4560, 3000, 4560, 4920);
    addLine(3240, 3360, 3240, 4800);
    addLine(6120, 3360, 6120, 4800);
}

void Kontrole::Form_Activate() {
    // A missing file or field reads as the empty text and is written back so.
    settings_ = readSettings(runtime::programFolder());
}

void Kontrole::SnimiOpcije_Click() {
    saveAndReturn(settings_);
}
