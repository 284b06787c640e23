#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// cordic-lab from its arguments (without the program's name) to its exit status, on the given
// streams: `in` is read for --inputs -, `out` gets the output, `err` the one line of a failure.
//   0  done;
//   1  --inputs: some lines were refused, each with its "# riadok N: …" in the output;
//   2  a bad option or value, a refused setup, an inputs file that cannot be read, or output
//      that cannot be written: one line on `err`, and nothing on `out` unless the failure
//      came after the output had begun.
// Nothing is written to `out` before the whole command is read and, for a single run, the run
// is accepted.
int RunLabProgram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                  std::ostream& err);
