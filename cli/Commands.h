#pragma once
// The commands of vw3; each returns the exit status.

#include "Options.h"

namespace vw3 {

int RunEncrypt(const Options& options);
int RunDecrypt(const Options& options);
int RunVerify(const Options& options);
int RunList(const Options& options);
int RunInfo(const Options& options);

// Reports a usage error on standard error and returns its status.
int UsageError(const std::string& message);

}  // namespace vw3
