#pragma once
// The usage texts of velmira-outil.
#include <string>
#include <string_view>

namespace velmira::tools {

// The usage of one command, "" for an unknown one; the whole usage for "".
std::string usage(std::string_view command);

}  // namespace velmira::tools
