// cordic-lab: the laboratory's engine on the command line (lab_program.h).

#include "lab_program.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return RunLabProgram(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::exception& failure) {
        std::cerr << "Vnútorná chyba: " << failure.what() << '\n';
        return 2;
    }
}
