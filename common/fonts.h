#pragma once
// The program's font. The screens were laid out for Arial and MS Sans Serif;
// Liberation Sans has Arial's metrics and stands in for both, sized in pixels
// as at 96 dpi (8.25 pt is 11 px) so every text fits its box whatever the
// display's resolution.

#include <QFont>

namespace fonts {
QFont sized(double points, bool bold = false);
inline QFont standard() {
    return sized(8.25);
} // a label without a font of its own
} // namespace fonts
