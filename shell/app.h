#pragma once
#include "answer/main_window.h"
#include "forms/form.h"
#include "outgoing/idler_window.h"
#include "outgoing/options_menu.h"
#include "shell/splash.h"

namespace shell {

// The whole program: its four windows, each created from its layout the
// first time it is needed, and the handlers that tie them together.
class App {
public:
    App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Loads the splash window, whose start-up never returns: every later
    // event is handled inside its title pulse.
    [[noreturn]] void Run();

private:
    forms::Form splashForm_;
    forms::Form mainForm_;
    forms::Form optionsForm_;
    forms::Form idlerForm_;
    Splash splash_;
    answer::MainWindow main_;
    outgoing::OptionsMenu options_;
    outgoing::IdlerWindow idler_;
};

}  // namespace shell
