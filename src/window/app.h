#pragma once
// Application-wide look shared by the program, the tests and the benchmarks:
// the widget style, the window font, the icon and Qt's own texts in French.

class QApplication;
class QCoreApplication;

namespace kirel {
void setupApplication(QApplication& app);
// Qt's own texts (context menus, standard dialogs, command-line help) in French,
// whatever the user's locale. Without Qt's translation file they stay English.
void installQtFrench(QCoreApplication& app);
} // namespace kirel
