#include "Interaction.h"

namespace modVW {

void ShowErrorReport(Interaction& ui, int number, const std::string& description) {
    ui.MsgBox("Error " + std::to_string(number) + " - " + description, "Error",
              MsgStyle::vbExclamation);
}

}  // namespace modVW
