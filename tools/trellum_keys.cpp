// trellum-keys: presses the calculator's keys named on standard input and prints
// one line per key (see the README for the format). Tests, benchmarks and
// scripts drive the calculator through it.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "engine/key_script.h"
#include "engine/recording_toolkit.h"
#include "storage/settings_store.h"

namespace {

constexpr const char* kUsage =
    "usage: trellum-keys [--state] [--memory] [--constants FILE] [--hive FILE] < script\n"
    "Reads whitespace-separated key tokens (a line starting with # is a comment) and prints, per token:\n"
    "token TAB display TAB exponent TAB indicators TAB events [TAB state] [TAB memory]\n";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

}  // namespace

int main(int argc, char** argv)
{
    trellum::LineOptions options;
    std::string constantsFile;
    std::string hiveFile;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--state") {
            options.state = true;
        } else if (arg == "--memory") {
            options.memory = true;
        } else if ((arg == "--constants" || arg == "--hive") && i + 1 < argc) {
            (arg == "--constants" ? constantsFile : hiveFile) = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "trellum-keys: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    }

    trellum::RecordingToolkit toolkit;
    trellum::SettingsStore settings(hiveFile);
    trellum::Calculator calc(toolkit, settings);
    calc.ConstFilePath = constantsFile;
    // Start as the program does: settings (none without --hive), then AC.
    calc.Form_Load();
    toolkit.Events.clear();

    const std::string input(std::istreambuf_iterator<char>(std::cin), {});
    std::string out;
    out.reserve(1 << 16);
    int status = 0;
    std::size_t i = 0;
    bool lineStart = true;
    while (i < input.size()) {
        const char c = input[i];
        if (lineStart && c == '#') {
            while (i < input.size() && input[i] != '\n') ++i;
            continue;
        }
        if (isSpace(c)) {
            lineStart = c == '\n' || (lineStart && c != '\n');
            ++i;
            continue;
        }
        lineStart = false;
        const std::size_t start = i;
        while (i < input.size() && !isSpace(input[i])) ++i;
        const std::string_view token(input.data() + start, i - start);
        if (!trellum::PressToken(calc, toolkit, token)) {
            std::fprintf(stderr, "trellum-keys: unknown token '%.*s'\n", static_cast<int>(token.size()), token.data());
            status = 2;
            break;
        }
        trellum::AppendRunnerLine(out, token, calc, toolkit, options);
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    calc.Form_Unload();
    return status;
}
