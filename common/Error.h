#pragma once
// The one failure type of the program: a number and a description, shown to the
// user as "Error N - description". Numbers follow the classic runtime error table.

#include <stdexcept>
#include <string>

#include "Text.h"

namespace vw {

namespace ErrorNumber {
constexpr int InvalidCall = 5;  // invalid procedure call or argument
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int BadFileName = 52;  // bad file name or number
constexpr int FileNotFound = 53;
constexpr int BadFileMode = 54;
constexpr int FileExists = 58;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFileFormat = 321;
}  // namespace ErrorNumber

// The description is a Text, so the desktop program shows it in the user's
// language; Description() is its English, which vw3 prints. A plain string is
// words taken as they are, never translated: a message is a VW_TEXT template
// with its arguments.
class Error : public std::runtime_error {
public:
    Error(int number, Text description);

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }
    const Text& Message() const { return message_; }
    // "Error N - description", the text of the error report.
    std::string Report() const;
    Text ReportText() const;

private:
    int number_;
    Text message_;
    std::string description_;
};

// "Error N - description" for any number and description.
Text ErrorReport(int number, Text description);

// Maps an errno value to the runtime error number that means the same thing.
int NumberForErrno(int err);

// `path` as a message shows it: whole up to 240 bytes; a longer one (a tree
// thousands of folders deep) keeps its start and its end around "/.../", cut
// between characters.
std::string MessagePath(const std::string& path);

// An Error for a failed system call on `path`: "<what> '<path>': <strerror>", the
// system's words coming from the C library in the locale the program set.
Error ErrorFromErrno(int err, Text what, const std::string& path);
// The same for something that has no path ("the system's random source").
Error ErrorFromErrno(int err, Text what, Text thing);

}  // namespace vw
