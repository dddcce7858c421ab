// The desktop's dark or light choice, read from a stand-in desktop portal on
// a private session bus (run under dbus-run-session): the value at start, its
// changes both ways, a dark platform palette kept; without a portal or a bus,
// nothing changes and nothing is printed.

#include <QApplication>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "kit/theme.h"
#include "window/desktop.h"

// The portal's Settings interface with the one setting, on a connection of its own.
class Portal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    explicit Portal(unsigned scheme) : scheme_(scheme) {
        QVERIFY(bus_.registerObject("/org/freedesktop/portal/desktop", this,
                                    QDBusConnection::ExportAllSlots |
                                        QDBusConnection::ExportAllSignals));
        QVERIFY(bus_.registerService("org.freedesktop.portal.Desktop"));
    }
    ~Portal() override {
        bus_.unregisterService("org.freedesktop.portal.Desktop");
        bus_.unregisterObject("/org/freedesktop/portal/desktop");
    }
    void set(unsigned scheme) {
        scheme_ = scheme;
        emit SettingChanged(kGroup, kKey, QDBusVariant(scheme));
    }

public slots:
    QDBusVariant Read(const QString& group, const QString& key) {
        if (group != kGroup || key != kKey) return {};
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme_)));
    }
signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    inline static const QString kGroup = "org.freedesktop.appearance", kKey = "color-scheme";
    QDBusConnection bus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
    unsigned scheme_;
};

class TestDesktop : public QObject {
    Q_OBJECT

    QPalette platform_;
    static bool dark() { return theme::isDark(QApplication::palette().color(QPalette::Window)); }

private slots:
    void initTestCase() {
        platform_ = QApplication::palette();
        QVERIFY(!dark());
    }
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }
    void cleanup() { QApplication::setPalette(QPalette()); }

    // Dark at start, then light, dark and no preference as the desktop changes.
    void followed_data() {
        QTest::addColumn<unsigned>("start");
        QTest::newRow("dark at start") << 1u;
        QTest::newRow("light at start") << 2u;
        QTest::newRow("no preference at start") << 0u;
    }
    void followed() {
        QFETCH(unsigned, start);
        Portal portal(start);
        kirel::ColourScheme scheme;
        QTRY_COMPARE(QApplication::palette() == kirel::darkPalette(), start == 1);
        // (Told again until heard: the program listens a moment after it asks.)
        for (unsigned now : {2u, 1u, 0u, 1u, 1u, 2u}) {
            QTRY_COMPARE((portal.set(now), dark()), now == 1);
            QCOMPARE(QApplication::palette() == platform_, now != 1);
        }
    }

    // A desktop palette that is dark already is the one shown; a bus without a
    // portal, or no bus at all (run so too): the palette stays, silently.
    void darkPlatformKept() {
        QApplication::setPalette(QPalette(Qt::white, QColor(20, 20, 60)));
        const QPalette own = QApplication::palette();
        Portal portal(1);
        kirel::ColourScheme scheme;
        portal.set(2);
        portal.set(1);
        QTest::qWait(300);
        QCOMPARE(QApplication::palette(), own);
    }
    void nothingToFollow() {
        kirel::ColourScheme scheme;
        QTest::qWait(300);
        QCOMPARE(QApplication::palette(), platform_);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
