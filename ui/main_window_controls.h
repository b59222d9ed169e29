#pragma once
// The main window's controls by what they do. The layout (Form2) keeps the
// names the windows have always had; the handlers use these.
namespace ui::main_window_controls {

constexpr char kStart[] = "Command1";      // starts the answering machine
constexpr char kClearAway[] = "Command2";  // empties the away message
constexpr char kStop[] = "Command3";
constexpr char kUpChat[] = "Command4";
constexpr char kClearLogs[] = "Command5";  // empties both logs
constexpr char kUnUpChat[] = "Command6";
constexpr char kOptions[] = "Command7";  // pops the options menu
constexpr char kTopBand[] = "Image1";    // the two flame bands drag the window
constexpr char kBottomBand[] = "Image2";
constexpr char kQuit[] = "Label2";           // the "X" that ends the program at once...
constexpr char kQuitShrinking[] = "Label8";  // ...gives way to this one under the pointer
constexpr char kTitle[] = "Label3";          // title and log heading drag the window
constexpr char kLogHeading[] = "Label4";
constexpr char kClose[] = "Label6";    // the "X" beside the minimise label
constexpr char kLogStop[] = "Label7";  // "Stop" over the message log
constexpr char kMinimise[] = "Label9";
constexpr char kAnswerTimer[] = "Timer1";  // one answering cycle per tick
constexpr char kAwayMessage[] = "Text1";
constexpr char kSenderLog[] = "List1";
constexpr char kMessageLog[] = "List2";

}  // namespace ui::main_window_controls
