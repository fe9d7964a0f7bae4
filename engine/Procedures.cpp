#include "Procedures.h"

#include "Interaction.h"

namespace modVW {

std::string AskPassword(Interaction& ui, const std::string& prompt) {
    return ui.PasswordDialog(prompt);
}

std::string FileNamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

std::string ExtensionPart(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

void Encrypt(Interaction&, int16_t, const std::string&) {}
void Decrypt(Interaction&, const std::string&) {}

}  // namespace modVW
