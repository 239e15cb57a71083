#pragma once

#include <array>

class QProgressBar;
class QPushButton;
class QString;

// What the two triplet screens share: the cap buttons, their rotation and the
// waiting-time bar. Texts are translated in the calling screen's context.
namespace kappen
{

// Colour codes of the caps; they are also the codes handed to the store.
enum Farbe : int { Rot = 0, Gruen = 1, Blau = 2 };

// A full waiting time in ticks of 100 ms.
constexpr int WartezeitTicks = 300;

using Knoepfe = std::array<QPushButton*, 3>;

// Paints button `knopp` (0 to 2, top to bottom) with colour `farbe` and notes the
// colour in `farben`. Anything out of range leaves buttons and colours as they were.
void anmalen(const Knoepfe& knoepfe, int (&farben)[3], int knopp, int farbe, const char* kontext);

// Advances the arrangement by one step of the cycle red-green-blue, blue-red-green,
// green-blue-red, judged by the colour on the first button.
void wechselDich(const Knoepfe& knoepfe, int (&farben)[3], const char* kontext);

// Hides the waiting-time bar without giving up its place in the layout, or shows it.
void fortschrittweg(QProgressBar* bar, bool weg);

// One tick of the waiting-time count-down: a fresh wait shows the bar at 30 s, every
// tick counts one down, a pending press ends the wait at once, and an ended wait
// hides the bar again.
void wartezeitAnzeige(QProgressBar* bar, int& wartezeit, bool gedrueckt);

// The instruction to present triplet `triplet` in the order shown.
QString tripletText(const char* kontext, int triplet);

} // namespace kappen
