#pragma once
// The chat idler's controls by what they do. The layout (Form4) keeps the
// names the windows have always had; the handlers use these.
namespace ui::idler_window_controls {

constexpr char kStart[] = "Command1";
constexpr char kStop[] = "Command2";
constexpr char kTitleStrip[] = "Label1";     // drags the window
constexpr char kMinuteCounter[] = "Label2";  // minutes idle, as text
constexpr char kClose[] = "Label4";
constexpr char kMinuteTimer[] = "Timer1";  // one tick a minute
constexpr char kReason[] = "Text1";        // the reason for idling

}  // namespace ui::idler_window_controls
