#include "ui/options_menu.h"

#include "forms/program.h"
#include "ui/options_texts.h"
#include "outgoing/send_im.h"
#include "ui/layouts/layouts.h"

namespace ui {

namespace {
constexpr char kMenuName[] = "options";
}  // namespace

using forms::Event;

OptionsMenu::OptionsMenu(forms::Form& form, std::function<void()> showIdler)
    : form_(form), showIdler_(std::move(showIdler)) {
    form_.On("idle", Event::Click, [this] { idle_Click(); });
    form_.On("imoff", Event::Click, [this] { imoff_Click(); });
    form_.On("imon", Event::Click, [this] { imon_Click(); });
    form_.On("about", Event::Click, [this] { about_Click(); });
    form_.On("greets", Event::Click, [this] { greets_Click(); });
}

void OptionsMenu::Pop() {
    form_.PopupMenu(kMenuName);
}

void OptionsMenu::idle_Click() {
    if (showIdler_) showIdler_();
}

void OptionsMenu::imoff_Click() {
    outgoing::SendIM(kImOffRecipient, kImSwitchText, true);
}
void OptionsMenu::imon_Click() {
    outgoing::SendIM(kImOnRecipient, kImSwitchText, true);
}

void OptionsMenu::about_Click() {
    forms::MessageBoxOk(form_.Hwnd(), kAboutText, layouts::kApplicationTitle);
}
void OptionsMenu::greets_Click() {
    forms::MessageBoxOk(form_.Hwnd(), kGreetsText, layouts::kApplicationTitle);
}

}  // namespace ui
