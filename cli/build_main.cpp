#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "build_command.h"
#include "build_options.h"
#include "filewrite/descriptor_output.h"
#include "system_cache.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // Waits where standard output was left non-blocking, instead of cutting the system short.
    const lorvex::OutputThroughDescriptor standardOutput(std::cout, STDOUT_FILENO);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const lorvex::BuildCliParse parse = lorvex::parseBuildArguments(arguments);
    switch (parse.kind) {
        case lorvex::BuildCliParse::Kind::Help:
            std::cout << lorvex::buildUsage();
            return 0;
        case lorvex::BuildCliParse::Kind::UsageError:
            std::cerr << "lorvex-build: " << parse.problem << "\n\n" << lorvex::buildUsage();
            return 2;
        case lorvex::BuildCliParse::Kind::Run:
            break;
    }
    return lorvex::runBuildCommand(
        parse.options, {std::cout, std::cerr, isatty(STDERR_FILENO) == 1},
        lorvex::systemCacheFolder(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
}
