#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "filewrite/descriptor_output.h"
#include "report_command.h"

namespace {

// A terminal shows the text in its own character set; a file or pipe takes the exact bytes.
// Only here is the locale looked at: the libraries never depend on it.
std::optional<lorvex::TextEncoding> terminalShowing() {
    if (::isatty(STDOUT_FILENO) == 0) return std::nullopt;
    std::setlocale(LC_CTYPE, "");
    return lorvex::terminalEncoding(::nl_langinfo(CODESET));
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Waits where standard output was left non-blocking, instead of cutting the output short.
    const lorvex::OutputThroughDescriptor standardOutput(std::cout, STDOUT_FILENO);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const lorvex::CliParse parse = lorvex::parseCliArguments(arguments);
    const std::optional<lorvex::TextEncoding> terminal = terminalShowing();
    switch (parse.kind) {
        case lorvex::CliParse::Kind::Help:
            std::cout << (terminal ? lorvex::forTerminal(lorvex::cliUsage(),
                                                         lorvex::TextEncoding::Utf8, *terminal)
                                   : lorvex::cliUsage());
            return 0;
        case lorvex::CliParse::Kind::UsageError:
            std::cerr << "lorvex-report: " << parse.problem << "\n\n" << lorvex::cliUsage();
            return 2;
        case lorvex::CliParse::Kind::Run:
            break;
    }
    return lorvex::runReportCommand(parse.options, {STDIN_FILENO, std::cout, std::cerr, terminal});
}
