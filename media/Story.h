#pragma once

#include <QString>

class QPixmap;

namespace kotebu {

class Form5;

// The five pages of ハルーネン's prologue: text beside a picture that slides
// up into view, then a hold. "Next Scene" cuts a page short, "Demo Skip"
// ends the whole demonstration between pages. Returns when it is over; the
// caller then stops form.Timer1() and closes the window.
void StoryDemo(Form5 &form);

// Slides `source` up into the page picture from below the window, one step
// of 100 twips at a time, stopping where it is when a flag is raised.
void SlidePicture(Form5 &form, const QPixmap &source);

// Page 3: flashes the overlay on the window's timer for 150 ticks, or until
// a flag is raised (the timer then keeps running).
void AnimateOverlay(Form5 &form);

constexpr int StoryPageCount = 5;
QString storyPageText(int page); // 1..5; empty outside

} // namespace kotebu
