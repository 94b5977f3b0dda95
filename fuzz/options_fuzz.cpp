// The command line: any arguments give exit status 0, 1 or 2, never a crash, undefined
// behaviour or an exception that escapes; a refusal says why on the error stream, and --json
// prints one JSON object that parses. The input is the argument list as the program gets it,
// the arguments separated by NUL bytes (which no argument can hold).
#include "cli/report.h"
#include "fuzz/fuzzcheck.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The options fuzzed: every one that neither writes nor reads a file (a fuzzer must not scatter
// files or read the machine's) nor asks for the advice, whose full budget would make each run
// slow (the load plan target covers the advisor). A list of what is allowed, so that an option
// added later stays out until it is known to be harmless here.
constexpr std::string_view FuzzedOptions[] = {
    "--pallet",     "--overhang",      "--max-height",    "--bundles",   "--color",
    "--profile",    "--per-bundle",    "--boxes",         "--size",      "--box",
    "--box-weight", "--bundle-weight", "--pallet-weight", "--max-gross", "--height-without-pallet",
    "--no-text",    "--json",          "--list-pallets",  "--alternate", "--svg-visible-only",
    "--help",       "--version"};

bool Allowed(std::string_view argument) {
    if (argument.substr(0, 2) != "--")
        return true;
    const std::string_view name = argument.substr(0, argument.find('='));
    return std::find(std::begin(FuzzedOptions), std::end(FuzzedOptions), name) !=
           std::end(FuzzedOptions);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> arguments;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\0');
        arguments.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    if (arguments.size() > 16)
        return 0;
    bool json = false;
    for (const std::string& argument : arguments) {
        if (!Allowed(argument))
            return 0;
        json = json || argument == "--json";
    }

    std::ostringstream out, err;
    const int status = RunReport(arguments, out, err);
    FuzzCheck(status == 0 || status == 1 || status == 2, "exit status 0, 1 or 2");
    if (status != 0) {
        FuzzCheck(err.str().rfind("stowly-cli: ", 0) == 0 && err.str().size() > 13,
                  "a refusal says why");
        return 0;
    }
    if (json && out.str().rfind('{', 0) == 0) {
        QJsonParseError error{};
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(out.str()), &error);
        FuzzCheck(error.error == QJsonParseError::NoError && document.isObject(),
                  "--json prints one JSON object");
    }
    return 0;
}
