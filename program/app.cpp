#include "program/app.h"

#include "platform/pump.h"
#include "ui/layouts/layouts.h"

namespace program {

App::App()
    : splashForm_(layouts::Form1Layout()),
      mainForm_(layouts::Form2Layout()),
      optionsForm_(layouts::Form3Layout()),
      idlerForm_(layouts::Form4Layout()),
      splash_(splashForm_, [this] { mainForm_.Show(); }),
      main_(mainForm_, [this] { options_.Pop(); }),
      options_(optionsForm_, [this] { idlerForm_.Show(); }),
      idler_(idlerForm_) {
    // Closed from outside (Alt+F4, the task list), the main window ends the
    // program as its "X" does, and the splash ends it at once: neither may
    // vanish and leave the program running with no window to reach it by.
    mainForm_.On(forms::kForm, forms::Event::Close, [this] { main_.Label6_Click(); });
    splashForm_.On(forms::kForm, forms::Event::Close, [] { platform::EndProgram(); });
}

void App::Run() {
    splashForm_.Load();
    // The splash's start-up pulses for ever; should it ever come back, the
    // program ends as it would from its close label.
    platform::EndProgram();
}

}  // namespace program
