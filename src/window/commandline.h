#pragma once
// The command line, answered before any window or display exists.

#include <optional>

namespace kirel {
// --help and --version print their text and give 0; an unknown option or an
// argument prints the usage on standard error and gives 2. Without any of
// them (Qt's own options such as -platform or -style are let through) it
// gives nothing and the program opens its window.
std::optional<int> answerCommandLine(int argc, char* argv[]);
}
