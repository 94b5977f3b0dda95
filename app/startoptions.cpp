#include "app/startoptions.h"

#include "shell/texts.h"

std::optional<std::string> StartOptionReply(const std::vector<std::string>& arguments) {
    // Only the exact words: a bundle size may begin with anything that is not a digit, so
    // "--helpful" stays a (zero) bundle size as the command-line rule reads it.
    if (arguments.empty())
        return std::nullopt;
    if (arguments.front() == "--help")
        return std::string(Texts::WindowUsage);
    if (arguments.front() == "--version")
        return Texts::VersionLine("stowly");
    return std::nullopt;
}
