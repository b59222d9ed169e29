#pragma once
// Our own thread's message pump and the waits built on it. Every wait keeps
// this thread's windows running: their handlers run nested inside it.
#include <windows.h>

#include <functional>

namespace platform {

// Dispatches every message pending for this thread, then returns at once.
// WM_QUIT ends the program (EndProgram).
void PumpMessages();

// Waits `seconds` while keeping this thread's windows responsive. Zero or
// less returns at once without dispatching anything.
void Pause(double seconds);

// Waits `seconds` as Pause does, on the stepped clock (DelayClock): a wait
// shorter than a step ends at the next step.
void Delay(double seconds);

// The one polling wait: round after round, our pending messages are
// dispatched and `condition` is asked; between rounds `poll` seconds pass with
// our windows running (Pause). True as soon as the condition holds, false once
// `limit` seconds have passed without it. Handlers of ours run nested in the
// wait, so the condition must look up afresh whatever it watches.
bool WaitFor(const std::function<bool()>& condition, double limit, double poll);

// Whether `message` is the one this thread's message-only windows get when
// the program ends: whatever a wait further out holds for later (a parked
// pointer) is put right then, since that wait never resumes.
bool IsEndingMessage(UINT message);

// Sends that message to each of this thread's message-only windows.
void AnnounceEnding();

// Ends the process at once, from wherever it is called, also from a handler
// nested deep inside a wait: every window goes with it and no further handler
// runs. AnnounceEnding comes first.
[[noreturn]] void EndProgram(UINT exitCode = 0);

}  // namespace platform
