#pragma once
#include "ui/main_window.h"
#include "forms/form.h"
#include "ui/idler_window.h"
#include "ui/options_menu.h"
#include "ui/splash.h"

namespace program {

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
    ui::Splash splash_;
    ui::MainWindow main_;
    ui::OptionsMenu options_;
    ui::IdlerWindow idler_;
};

}  // namespace program
