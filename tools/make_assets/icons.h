#pragma once
// The two icons, painted on a 128 x 128 canvas, and the images each icon
// file holds.

#include "iconfile.h"

class QPainter;

namespace artwork {

// The program's icon: a blue tile with a hand of two cards, the front one
// marked T.
void paintProgramIcon(QPainter& p);
std::vector<IconImage> programIconImages();

// The screens' icon: a single card with a heart.
void paintScreenIcon(QPainter& p);
std::vector<IconImage> screenIconImages();

} // namespace artwork
