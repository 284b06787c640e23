// cordic-lab: the laboratory's engine on the command line (lab_program.h).

#include "lab_program.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Standard output in large blocks: neither kept in step with C's stdio nor flushed before
    // every read of an inputs file on standard input.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return RunLabProgram(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::exception& failure) {
        std::cerr << "Vnútorná chyba: " << failure.what() << '\n';
        return 2;
    }
}
