#pragma once
// An Interaction for the fuzz targets: every question is cancelled, and every
// error report must name its problem ("Error N - " and a non-empty description),
// since that text is all a user gets to see of a damaged file.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Interaction.h"

class QuietInteraction : public modVW::Interaction {
public:
    int Reports = 0;

    std::string ShowOpen(const modVW::FileDialogRequest&) override { return ""; }
    std::string ShowSave(const modVW::FileDialogRequest&) override { return ""; }
    std::string BrowseFolders(const std::string&) override { return ""; }
    std::string PasswordDialog(const std::string&) override { return ""; }
    void DoEvents() override {}

    void MsgBox(const std::string& text, const std::string&, int) override {
        ++Reports;
        const auto dash = text.find(" - ");
        if (text.rfind("Error ", 0) != 0 || dash == std::string::npos || dash + 3 >= text.size()) {
            std::fprintf(stderr, "error report without a description: \"%s\"\n", text.c_str());
            std::abort();
        }
    }
};

// Aborts (a finding) when a failure text is empty: the user would see nothing.
inline void RequireText(const std::string& text, const char* where) {
    if (text.empty()) {
        std::fprintf(stderr, "%s failed without saying why\n", where);
        std::abort();
    }
}
