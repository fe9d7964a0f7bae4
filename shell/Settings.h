#pragma once
// The per-user settings store: texts addressed by application, section and key,
// kept in $XDG_CONFIG_HOME/Moravi/<application>.ini (default ~/.config).

#include <string>

namespace Settings {

// The stored text, or Default when the key is absent or cannot be read.
std::string GetSetting(const std::string& AppName, const std::string& Section,
                       const std::string& Key, const std::string& Default);

// Stores Value under the key; a failure to write is silent.
void SaveSetting(const std::string& AppName, const std::string& Section, const std::string& Key,
                 const std::string& Value);

// Removes the key; a store left empty goes with its file and its folder. True
// when the key was there.
bool DeleteSetting(const std::string& AppName, const std::string& Section, const std::string& Key);

}  // namespace Settings
