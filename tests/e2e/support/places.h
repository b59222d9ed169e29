#pragma once
// Where the program's controls lie, in twips from the top-left of their
// window's client area, and the texts it starts with: what a person sees and
// clicks, written down once for the whole-program tests.
#include "support/desktop.h"

namespace e2e::places {

// The splash window (caption "Form2") and its title.
constexpr char kSplashCaption[] = "Form2";
constexpr Twips kSplashTitle{120, 1200, 3255, 735};
// The line the title's text stands on: the pulse sizes the label to fit its
// text, leaving only its top strip where the layout put it.
constexpr Twips kSplashTitleText{120, 1200, 3255, 360};
constexpr int kSplashLeftPx = 304, kSplashTopPx = 107;
constexpr int kSplashWidthPx = 233, kSplashHeightPx = 276;
// The ellipse the splash is clipped to, in pixels from its top-left.
constexpr int kEllipseWidthPx = 225, kEllipseHeightPx = 250;

// The main window (caption "Form1").
constexpr char kMainCaption[] = "Form1";
constexpr int kMainWidthPx = 479, kMainHeightPx = 140;
constexpr Twips kStart{2760, 360, 855, 255};              // Command1
constexpr Twips kClearAwayMessage{2760, 600, 1575, 240};  // Command2
constexpr Twips kStop{3480, 360, 855, 255};               // Command3
constexpr Twips kUpChat{2760, 1080, 1575, 255};           // Command4
constexpr Twips kClearRecorded{2760, 840, 1575, 255};     // Command5
constexpr Twips kUnUpChat{2760, 1320, 1575, 255};         // Command6
constexpr Twips kOptions{2760, 1560, 1575, 255};          // Command7
constexpr Twips kSenders{4320, 360, 1215, 1410};          // List1
constexpr Twips kMessages{5520, 360, 1575, 1410};         // List2
constexpr Twips kAwayMessage{0, 360, 2775, 1455};         // Text1
constexpr Twips kMinimise{6720, 0, 255, 255};             // Label9, "-"
constexpr Twips kClose{6960, 0, 255, 255};                // Label6, "X"
constexpr char kDefaultAwayMessage[] =
    "Sorry Im currently away from my computer, your message has been recorded.   :-)\r\n";

// The options menu, items counted from 1 in display order.
enum class Option { kChatIdle = 1, kImsOff, kImsOn, kAbout, kGreets };

// The chat idler (caption "Form4").
constexpr char kIdlerCaption[] = "Form4";
constexpr Twips kIdlerStart{1680, 600, 1215, 255};  // Command1
constexpr Twips kIdlerStop{1680, 840, 1215, 255};   // Command2
constexpr Twips kIdlerReason{0, 240, 2895, 375};    // Text1
constexpr Twips kIdlerClose{2640, 0, 255, 255};     // Label4
constexpr char kDefaultReason[] = "reason for idle";

// Message boxes of the program.
constexpr char kMessageBoxClass[] = "#32770";
constexpr char kApplicationTitle[] = "replymate";

}  // namespace e2e::places
