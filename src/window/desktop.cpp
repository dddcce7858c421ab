#include "window/desktop.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>

#include "kit/theme.h"

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// A session bus to ask, without starting one: its address, or the usual
// socket of the user's session.
bool hasSessionBus() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// The setting's number, from a variant the portal may wrap once more.
unsigned schemeOf(QVariant value) {
    while (value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool number = false;
    const unsigned scheme = value.toUInt(&number);
    return number ? scheme : 0;
}
} // namespace

namespace kirel {

QPalette darkPalette() {
    const QColor window(53, 53, 53), text(238, 238, 236), base(45, 45, 45);
    // window text, button, light, dark, mid, text, bright text, base, window
    QPalette p(text, window, QColor(75, 75, 75), QColor(35, 35, 35), QColor(40, 40, 40), text,
               Qt::white, base, window);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(96, 160, 232));
    p.setColor(QPalette::ToolTipBase, window);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    return p;
}

ColourScheme::ColourScheme(QObject* parent) : QObject(parent) {
    if (!hasSessionBus()) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage read =
        QDBusMessage::createMethodCall(kService, kPath, kSettings, QStringLiteral("Read"));
    read << kGroup << kKey;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, &ColourScheme::answered);
}

void ColourScheme::answered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusMessage reply = call->reply();
    // No portal, or none with this setting: nothing to follow.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
    follow(schemeOf(reply.arguments().constFirst()));
    // Its changes from now on, from whoever owns the portal's name (no question
    // to the bus about its owner).
    QDBusConnection::sessionBus().connect(QString(), kPath, kSettings,
                                          QStringLiteral("SettingChanged"), this,
                                          SLOT(settingChanged(QString, QString, QDBusVariant)));
}

void ColourScheme::settingChanged(const QString& group, const QString& key,
                                  const QDBusVariant& value) {
    if (group == kGroup && key == kKey) follow(schemeOf(value.variant()));
}

void ColourScheme::follow(unsigned scheme) {
    const bool dark = scheme == 1;
    if (dark == ours_) return;
    if (dark && theme::isDark(QGuiApplication::palette().color(QPalette::Window)))
        return; // the platform's palette is dark already
    ours_ = dark;
    // An empty palette gives the platform's back, and lets it follow the platform again.
    QApplication::setPalette(dark ? darkPalette() : QPalette());
}

} // namespace kirel
