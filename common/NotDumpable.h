#pragma once
// Keeps this process out of core files (and other processes' ptrace) while it holds
// a password or a key, and puts back what was set before once it no longer does.

namespace vw {

class NotDumpable {
public:
    NotDumpable();
    ~NotDumpable();
    NotDumpable(const NotDumpable&) = delete;
    NotDumpable& operator=(const NotDumpable&) = delete;

private:
    int previous_;
};

}  // namespace vw
