#include <unistd.h>

#include <iostream>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "filewrite/descriptor_output.h"
#include "report_command.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Waits where standard output was left non-blocking, instead of cutting the output short.
    const lorvex::OutputThroughDescriptor standardOutput(std::cout, STDOUT_FILENO);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const lorvex::CliParse parse = lorvex::parseCliArguments(arguments);
    switch (parse.kind) {
        case lorvex::CliParse::Kind::Help:
            std::cout << lorvex::cliUsage();
            return 0;
        case lorvex::CliParse::Kind::UsageError:
            std::cerr << "lorvex-report: " << parse.problem << "\n\n" << lorvex::cliUsage();
            return 2;
        case lorvex::CliParse::Kind::Run:
            break;
    }
    return lorvex::runReportCommand(parse.options, {STDIN_FILENO, std::cout, std::cerr});
}
