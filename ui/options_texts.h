#pragma once

namespace ui {

// The texts of the options menu's two information boxes, one paragraph each.
extern const char kAboutText[];
extern const char kGreetsText[];

// The recipients that turn the host's instant messages off and on, and what
// is sent to them.
constexpr char kImOffRecipient[] = "$im_off";
constexpr char kImOnRecipient[] = "$im_on";
constexpr char kImSwitchText[] = "quillo's idler";

}  // namespace ui
