#pragma once
// The one failure type of the program: a number and a description, shown to the
// user as "Error N - description". Numbers follow the classic runtime error table.

#include <stdexcept>
#include <string>

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

class Error : public std::runtime_error {
public:
    Error(int number, std::string description);

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }
    // "Error N - description", the text of the error report.
    std::string Report() const;

private:
    int number_;
    std::string description_;
};

// Maps an errno value to the runtime error number that means the same thing.
int NumberForErrno(int err);

// `path` as a message shows it: whole up to 240 bytes; a longer one (a tree
// thousands of folders deep) keeps its start and its end around "/.../", cut
// between characters.
std::string MessagePath(const std::string& path);

// An Error for a failed system call on `path`: "<what> '<path>': <strerror>".
Error ErrorFromErrno(int err, const std::string& what, const std::string& path);

}  // namespace vw
