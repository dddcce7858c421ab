#pragma once
// Application-wide look shared by the program, the tests and the benchmarks:
// the widget style, the window font and the icon.

class QApplication;

namespace kirel {
void setupApplication(QApplication& app);
}
