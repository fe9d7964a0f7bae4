#pragma once
// An Interaction that answers from a script and records every question, so the
// procedures run end to end without a display. With no answers left every
// question is cancelled, which is all the fuzz targets need.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Interaction.h"

class ScriptedInteraction : public modVW::Interaction {
public:
    // One recorded question: its kind ("open", "save", "folder", "password",
    // "msgbox", "go on") and its text (title, prompt or message).
    struct Asked {
        std::string Kind;
        std::string Text;
        modVW::FileDialogRequest Request;  // for "open" and "save"; a folder's start
        int Style = 0;                     // for "msgbox"
        std::string Details;               // for "go on"
    };

    ScriptedInteraction() = default;
    explicit ScriptedInteraction(std::deque<std::string> answers) : Answers(std::move(answers)) {}

    std::deque<std::string> Answers;  // taken in order; "" once none is left
    std::vector<Asked> Log;
    std::function<void()> OnEvents;                        // runs on every DoEvents
    std::function<void(const std::string&)> BeforeAnswer;  // sees each question's kind first
    bool CancelWork = false;           // Cancel pressed once every answer is taken
    size_t CancelInItem = 0;           // Cancel pressed while this item of a batch works (from 1)
    size_t Item = 0;                   // the batch's item at work
    std::vector<std::string> Written;  // what the procedures said they wrote

    std::string ShowOpen(const modVW::FileDialogRequest& r) override {
        return Take("open", r.Title, r);
    }
    std::string ShowSave(const modVW::FileDialogRequest& r) override {
        return Take("save", r.Title, r);
    }
    std::string BrowseFolders(const std::string& title) override {
        return Take("folder", title, {});
    }
    std::string BrowseFoldersFrom(const std::string& title, const std::string& start) override {
        modVW::FileDialogRequest r;
        r.InitialFolder = start;
        return Take("folder", title, r);
    }
    // Goes on after any answer but "".
    bool GoOn(const std::string& text, const std::string&, const std::string& details) override {
        const bool on = !Take("go on", text, {}).empty();
        Log.back().Details = details;
        return on;
    }
    bool Cancelled() override {
        return (CancelWork && Answers.empty()) || (CancelInItem && Item == CancelInItem);
    }
    // The choice's index as the answer; "" cancels.
    int Choose(const std::string& text, const std::string&,
               const std::vector<std::string>&) override {
        const std::string answer = Take("choose", text, {});
        return answer.empty() ? -1 : std::stoi(answer);
    }
    void WorkingOn(size_t number, size_t, const std::string&) override { Item = number; }
    void Wrote(const std::string& path) override { Written.push_back(path); }
    std::string PasswordDialog(const std::string& prompt) override {
        return Take("password", prompt, {});
    }
    void MsgBox(const std::string& text, const std::string&, int style) override {
        Log.push_back({"msgbox", text, {}, style, {}});
    }
    void DoEvents() override {
        if (OnEvents) OnEvents();
    }

    // The kinds of everything asked, in order, e.g. {"open", "save", "password"}.
    std::vector<std::string> Kinds() const {
        std::vector<std::string> kinds;
        for (const auto& a : Log)
            kinds.push_back(a.Kind);
        return kinds;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& a : Log)
            if (a.Kind == "msgbox") texts.push_back(a.Text);
        return texts;
    }

private:
    std::string Take(const char* kind, const std::string& text, const modVW::FileDialogRequest& r) {
        if (BeforeAnswer) BeforeAnswer(kind);
        Log.push_back({kind, text, r, 0, {}});
        if (Answers.empty()) return "";
        std::string answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};
