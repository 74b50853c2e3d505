#pragma once
#include <QPixmap>

// The program's own pictures, painted once at start: the work-area
// background (800 x 533, also the launchers' and the exit window's), and the
// splash picture (452 x 242).
namespace Pictures {
const QPixmap& background();
const QPixmap& splash();
}
