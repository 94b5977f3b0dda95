#include "shell/texts.h"

#include "stowly/version.h"

namespace Texts {

std::string VersionLine(const std::string& program) {
    return program + " " + StowlyVersion + "\n";
}

std::string NotValidInteger(const std::string& text) {
    return "'" + text + "' is not a valid integer value";
}

std::string NotValidFloat(const std::string& text) {
    return "'" + text + "' is not a valid floating point value";
}

std::string ErrorReport(const std::string& message) {
    return message + ".";
}

} // namespace Texts

namespace Texts::Report {

std::string OptionError(const std::string& option, const std::string& value,
                        const std::string& problem) {
    return option + " " + (value.empty() ? "''" : value) + ": " + problem;
}

std::string OptionError(const std::string& option, const std::string& problem) {
    return option + ": " + problem;
}

} // namespace Texts::Report
