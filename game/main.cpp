#include "states/WinMain.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    CommandLine commandLine;
    std::string error;
    if (!commandLine.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::fprintf(stderr, "zephyra: %s\n%s", error.c_str(), CommandLine::Usage());
        return 2;
    }
    if (commandLine.help) {
        std::fputs(CommandLine::Usage(), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::printf("zephyra %s\n", ZEPHYRA_VERSION);
        return 0;
    }
    return WinMain(commandLine);
}
