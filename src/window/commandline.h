#pragma once
// The command line, answered before any window or display exists.

#include <memory>
#include <optional>

class QApplication;

namespace kirel {
// --help and --version print their text and give 0; an unknown option or an
// argument prints the usage on standard error and gives 2. Without any of
// them (Qt's own options such as -platform or -style are let through) it
// gives nothing and the program opens its window.
// An output that cannot be written (--help > /dev/full) gives 1.
std::optional<int> answerCommandLine(int argc, char* argv[]);

// The application on the user's display. Without a usable one (none set, one
// that does not answer, an unknown platform), where Qt would abort, it prints
// one French line on standard error and ends the program with 1. argc must
// outlive the application.
std::unique_ptr<QApplication> openDisplay(int& argc, char* argv[]);
} // namespace kirel
