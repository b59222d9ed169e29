#include "ui/end_program.h"

#include "forms/program.h"
#include "host/cursor.h"

namespace ui {

void EndProgram() {
    host::ReturnParkedPointer();
    forms::EndProgram();
}

}  // namespace ui
