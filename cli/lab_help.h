#pragma once

#include <string_view>

// What cordic-lab --help and --version print: the options with their defaults, the outputs
// each with an example, and the exit statuses, in Slovak.
std::string_view LabHelpText();
// "cordic-lab 1.0" and the line ending.
std::string_view LabVersionText();
