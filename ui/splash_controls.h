#pragma once
// The splash's controls by what they do. The layout (Form1) keeps the names
// the windows have always had; the handlers use these.
namespace ui::splash_controls {

constexpr char kTitleLabel[] = "Label1";  // pulses; a click goes on to the main window
constexpr char kSubtitleLabel[] = "Label2";

}  // namespace ui::splash_controls
