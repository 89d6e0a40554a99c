// SPDX-License-Identifier: MIT
// trellum-keys: presses the calculator's keys named on standard input and prints
// one line per key (see the README for the format). Tests, benchmarks and
// scripts drive the calculator through it. With --check it runs a golden key
// script instead: each line of keys is followed by the lines it must print.

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculator.h"
#include "storage/settings_store.h"
#include "testing/key_script.h"
#include "testing/recording_toolkit.h"

namespace {

constexpr const char* kUsage =
    "usage: trellum-keys [--state] [--memory] [--constants FILE] [--hive FILE] < script\n"
    "       trellum-keys --check SCRIPT\n"
    "Reads whitespace-separated key tokens (a line starting with # is a comment) and prints, per token:\n"
    "token TAB display TAB exponent TAB indicators TAB events [TAB state] [TAB memory]\n"
    "--check runs a golden script: each line of tokens is followed by its expected lines, each\n"
    "starting with \"#> \"; a line \"#! OPTIONS\" gives options (@DIR@: the script's folder).\n";

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

struct Options {
    trellum::LineOptions line;
    std::string constantsFile;
    std::string hiveFile;
    std::string checkFile;
};

// Parses argv-style options; false (after a message) on an unknown one.
bool parseOptions(const std::vector<std::string>& args, Options& options, bool allowCheck)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--state") {
            options.line.state = true;
        } else if (arg == "--memory") {
            options.line.memory = true;
        } else if ((arg == "--constants" || arg == "--hive") && i + 1 < args.size()) {
            (arg == "--constants" ? options.constantsFile : options.hiveFile) = args[++i];
        } else if (allowCheck && arg == "--check" && i + 1 < args.size()) {
            options.checkFile = args[++i];
        } else {
            std::fprintf(stderr, "trellum-keys: unknown option %s\n%s", arg.c_str(), kUsage);
            return false;
        }
    }
    return true;
}

// One calculator started as the program starts, pressing tokens and printing lines.
class Session {
public:
    explicit Session(const Options& options)
        : m_options(options.line), m_settings(options.hiveFile), m_calc(m_toolkit, m_settings)
    {
        m_calc.useConstantsFile(options.constantsFile);
        // Start as the program does: settings (none without --hive), then AC.
        m_calc.start();
        m_toolkit.events.clear();
    }
    ~Session() { m_calc.shutdown(); }

    // Presses the token and appends its line to `out`; false for an unknown token.
    bool press(std::string_view token, std::string& out)
    {
        if (!trellum::pressToken(m_calc, m_toolkit, token)) {
            std::fprintf(stderr, "trellum-keys: unknown token '%.*s'\n", static_cast<int>(token.size()), token.data());
            return false;
        }
        trellum::appendRunnerLine(out, token, m_calc, m_toolkit, m_options);
        return true;
    }

private:
    trellum::LineOptions m_options;
    trellum::RecordingToolkit m_toolkit;
    trellum::SettingsStore m_settings;
    trellum::Calculator m_calc;
};

int runStream(const Options& options)
{
    Session session(options);
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
        if (!session.press(std::string_view(input.data() + start, i - start), out)) {
            status = 2;
            break;
        }
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return status;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// Runs each line of keys of a golden script and compares what it prints with the
// "#> " lines right under it. Returns 0 when all agree, 1 at the first line
// that differs (named with its line number), 2 for a script that cannot run.
int runCheck(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "trellum-keys: cannot read %s\n", path.c_str());
        return 2;
    }
    const std::vector<std::string> lines = linesOf({std::istreambuf_iterator<char>(file), {}});

    Options options;
    for (const std::string& line : lines) {
        if (line.rfind("#!", 0) != 0) continue;
        std::vector<std::string> args;
        std::istringstream words(line.substr(2));
        for (std::string word; words >> word;) {
            for (std::size_t at; (at = word.find("@DIR@")) != std::string::npos;) word.replace(at, 5, directoryOf(path));
            args.push_back(word);
        }
        if (!parseOptions(args, options, false)) return 2;
    }

    Session session(options);
    std::size_t checked = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& keys = lines[n];
        if (keys.empty() || keys[0] == '#' || keys.find_first_not_of(" \t") == std::string::npos) continue;
        std::string actual;
        std::istringstream tokens(keys);
        for (std::string token; tokens >> token;) {
            if (!session.press(token, actual)) {
                std::fprintf(stderr, "%s:%zu: unknown token in: %s\n", path.c_str(), n + 1, keys.c_str());
                return 2;
            }
        }
        std::vector<std::string> expected;
        for (std::size_t e = n + 1; e < lines.size() && lines[e].rfind("#>", 0) == 0; ++e) {
            expected.push_back(lines[e].substr(lines[e].rfind("#> ", 0) == 0 ? 3 : 2));
        }
        const std::vector<std::string> printed = linesOf(actual);
        for (std::size_t k = 0; k < std::max(printed.size(), expected.size()); ++k) {
            const char* want = k < expected.size() ? expected[k].c_str() : "(no line)";
            const char* got = k < printed.size() ? printed[k].c_str() : "(no line)";
            if (k < expected.size() && k < printed.size() && expected[k] == printed[k]) continue;
            // Named by the expected line's own number, or the keys' line when it is missing.
            const std::size_t at = k < expected.size() ? n + 2 + k : n + 1;
            std::fprintf(stderr, "%s:%zu: after the keys \"%s\"\n  expected: %s\n  printed:  %s\n", path.c_str(), at,
                         keys.c_str(), want, got);
            return 1;
        }
        ++checked;
    }
    std::printf("%s: %zu lines of keys as expected\n", path.c_str(), checked);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    Options options;
    if (!parseOptions(args, options, true)) return 2;
    if (!options.checkFile.empty()) return runCheck(options.checkFile);
    return runStream(options);
}
