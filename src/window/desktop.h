#pragma once
// The desktop's choice between dark and light, as the freedesktop appearance
// setting "color-scheme" gives it through the desktop portal on the session
// bus, read at start and followed while the program runs. A platform palette
// that already follows it (a dark theme) is kept; a light one, when the desktop
// asks for dark, gives way to a dark palette of the program's own, and comes
// back when the desktop asks for light or says nothing. Without a session bus
// or a portal nothing changes.

#include <QDBusVariant>
#include <QObject>
#include <QPalette>

class QDBusPendingCallWatcher;

namespace kirel {

// Fusion's colours, dark.
QPalette darkPalette();

class ColourScheme : public QObject {
    Q_OBJECT
public:
    // Asks the portal without waiting for its answer: the window is not held up.
    explicit ColourScheme(QObject* parent = nullptr);

private slots:
    void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void answered(QDBusPendingCallWatcher* call);
    void follow(unsigned scheme); // 0 no preference, 1 dark, 2 light
    bool ours_ = false;           // the program's dark palette is shown
};

} // namespace kirel
