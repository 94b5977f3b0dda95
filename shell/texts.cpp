#include "shell/texts.h"

#include "stowly/version.h"

#include <cstdio>

namespace Texts {

std::string VersionLine(const std::string& program) {
    return program + " " + StowlyVersion + "\n";
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string NotValidInteger(const std::string& text) {
    return Quoted(text) + " is not a valid integer value";
}

std::string NotValidFloat(const std::string& text) {
    return Quoted(text) + " is not a valid floating point value";
}

std::string SettingsNotRead(const std::string& path, const std::string& reason) {
    return std::string("Настройки не прочитаны: ") + path + ": " + reason;
}

std::string SettingsNotSaved(const std::string& path, const std::string& reason) {
    return std::string("Настройки не сохранены: ") + path + ": " + reason;
}

std::string ErrorReport(const std::string& message) {
    return message + ".";
}

} // namespace Texts
