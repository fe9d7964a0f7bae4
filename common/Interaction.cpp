#include "Interaction.h"

#include "Error.h"

namespace modVW {

void ShowErrorReport(Interaction& ui, int number, const vw::Text& description) {
    ui.MsgBox(ui.Words(vw::ErrorReport(number, description)),
              ui.Words(VW_TEXT("Procedures", "Error")), MsgStyle::vbExclamation);
}

}  // namespace modVW
