#pragma once
// The 600 x 400 screen backgrounds: a blue sky with the logo, and framed
// panels against which the screens place their controls.

class QImage;

namespace artwork {

// The main menu, options and controls screens; only the main menu has icons
// beside its items.
QImage menuLayout(bool withMenuIcons);

// The card table and the double-up screen: a panel for the meters and one
// for the cards, with a frame around the first framedPlaces card places.
QImage tableLayout(int framedPlaces);

} // namespace artwork
