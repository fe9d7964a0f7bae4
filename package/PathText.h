#pragma once
// Small path texts for the package object; "/" is the only separator.

#include <string>

namespace vw::stuf {

// The folder of `path`: "." when it has none, "/" for a file in the root.
std::string FolderOf(const std::string& path);

// The last component of `path` (everything after the last "/").
std::string LastComponent(const std::string& path);

// `folder` + "/" + `name`, without doubling a "/" that ends `folder`.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace vw::stuf
