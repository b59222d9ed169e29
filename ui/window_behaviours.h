#pragma once
// What our borderless windows do instead of a frame: drag, stay on top,
// minimise, and shrink away before the program ends.
#include <windows.h>

#include "forms/form.h"

namespace ui {

// Starts the window system's own caption drag of the form from the pointer's
// place; returns when the button is released.
void FormDrag(forms::Form& form);

// Puts the form among the top-most windows (and activates it), keeping its
// place and size.
void StayOnTop(forms::Form& form);

void MinimizeWindow(HWND window);

// Shrinks the form step by step about the centre of the screen, pumping
// messages three times a step, so clicks and ticks are handled meanwhile.
void ShrinkAndCenter(forms::Form& form);

// ---- the arithmetic of the shrink, apart from any window ----

constexpr int kShrinkHeightStep = 60;  // twips per step
constexpr int kShrinkWidthStep = 120;
constexpr int kShrinkStopWidth = 100;  // not above this: done
constexpr int kShrinkStopHeight = 70;

// Rounds to the nearest whole number, a half to the even neighbour.
double RoundHalfEven(double value);

// How many steps a window of this height takes at most.
int ShrinkStepCount(double height);

// Where a window of `size` starts so it is centred on a screen of `screen`:
// the difference rounded half-even, then halved towards zero.
int CentredOrigin(double screen, double size);

// Something the shrink can work on: a real form (ShrinkAndCenter), or a model
// of one. Sizes and places are in twips; a setter may refuse its value (the
// window keeps its old one) and the shrink carries on.
class ShrinkTarget {
  public:
    virtual ~ShrinkTarget() = default;
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    virtual void SetWidth(double width) = 0;
    virtual void SetHeight(double height) = 0;
    virtual void SetLeft(double left) = 0;
    virtual void SetTop(double top) = 0;
    virtual void Pump() = 0;
};

// The shrink itself, on any target, for a screen of the given size in twips.
void RunShrink(ShrinkTarget& target, double screenWidth, double screenHeight);

}  // namespace ui
