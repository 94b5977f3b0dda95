#pragma once

#include <optional>
#include <string>
#include <vector>

// What the window program prints instead of starting when its first argument is --help or
// --version; nothing for any other command line, which then goes to the window as a bundle
// size.
std::optional<std::string> StartOptionReply(const std::vector<std::string>& arguments);
