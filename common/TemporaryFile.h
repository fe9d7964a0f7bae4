#pragma once
// The new contents of a file while they are written: an unnamed file in the
// target's folder where the filesystem offers them (O_TMPFILE), so a run killed
// outright leaves nothing behind; elsewhere a hidden ".vw<8 hex digits>.part" file,
// locked while its writer lives, so a later run can tell a dead run's leftover from
// a live one's and remove it. The folders of named files are noted in the private
// base folder, so that any later run finds them, wherever it writes.

#include <string>

#include "Error.h"

namespace vw {

class TemporaryFile {
public:
    // Opens the file in `folder`; errors name `shownPath`, the file meant.
    TemporaryFile(const std::string& folder, const std::string& shownPath);
    ~TemporaryFile();  // removes a named file not placed; never closes the descriptor
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // The open descriptor; the caller owns it from here on and closes it.
    int Fd() const { return fd_; }

    // Gives the file the name `target`. With `replace`, what is there is replaced in
    // one step; without, a name that exists by now is never taken (Error 58).
    void PlaceAt(const std::string& target, bool replace);

private:
    void OpenNamed();
    std::string NameBeside() const;

    std::string folder_;
    std::string shownPath_;
    std::string named_;  // the named file, or "" for an unnamed one
    int fd_ = -1;
    int leftover_ = -1;  // the named file's slot in Leftovers
};

// A test hook, set by no path of the program: when set, it draws the names of named
// temporaries (".vw<8 hex digits>.part") instead of the random generator, so a test
// can put something at a name before it is drawn.
extern std::string (*TemporaryNameForTests)();

// Error 58 for a `target` that something else created while it was written.
Error AppearedError(const std::string& target);

// Moves `from` to `to` only while nothing is at `to`; something there by now
// throws AppearedError. False, with errno set, when the move fails otherwise.
bool MoveToFreeName(const std::string& from, const std::string& to);

// True for a name a named temporary file has: the sweeps remove such files.
bool IsTemporaryName(const char* name);

// Removes the named temporaries of dead runs in `folder`, once per folder and process.
void SweepStaleTemporaries(const std::string& folder);

// Sweeps every folder where a named temporary was made (see above).
void SweepNamedTemporaries();

}  // namespace vw
