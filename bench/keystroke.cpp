// What one keystroke costs in each input field of the window: the key events,
// the calculator with its hand-over to the "Résis" tab, and the repaints and
// layout requests the keystroke leaves behind. The floor is the same typing
// into a bare line edit whose textChanged writes one label. The two "bare" rows
// are the same typing into bare Qt widgets that make the zener supply's writes,
// in Fusion as the floor and in the program's style: what Qt alone charges for
// them, without any of the program's work.
//
//   kirel-bench-keys [FIELD...]  (offscreen unless QT_QPA_PLATFORM says otherwise)
//
// Named fields (Text13, floor, bare, ...): only those, besides the floor; "bare"
// comes with Text28 too. Under callgrind with --collect-atstart=no, the counted
// keystrokes of the named fields alone are collected, each with its cascade and
// the events it posts (bench/README.md).
//
// Prints, per field, the median over the repetitions of the mean time per
// keystroke, the 95th percentile of single keystrokes, and the ratio to the floor;
// then the slowest field against the bar. Always exits 0: it reports.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#include "window/app.h"
#include "window/base.h"

namespace {

constexpr int kRepetitions = 101;
constexpr double kBarMicroseconds = 1000.0;

using Field = const char*; // the objectName of a field

// The values typed into one field, each over the whole text. They keep the
// computed resistances between 0 and 999 ohms where a calculator hands them
// over, so the finder and the band lists of the "Résis" tab work every time.
struct Entry {
    Field field;
    const char* name;
    std::vector<const char*> values;
};

// One calculator: the tab it lives on, the texts its inputs start from, and
// its fields.
struct Panel {
    const char* caption;
    int tab;
    int ledTab;    // sub-tab of the "Led" tab, -1 elsewhere
    bool powerByR; // the power block in its P = R*I² mode
    std::vector<std::pair<Field, const char*>> start;
    std::vector<Entry> entries;
};

const std::vector<Panel>& panels() {
    // clang-format off
    static const std::vector<Panel> table{
        {"U=R*I", 0, -1, false,
         {{"Text1", "12"}, {"Text2", "1"}, {"Text3", "1"}},
         {{"Text1", "Text1", {"12", "4.7", "330"}},
          {"Text2", "Text2", {"0.05", "1.2", "0.5"}},
          {"Text3", "Text3", {"100", "4.7", "330"}}}},
        {"P=U*I", 0, -1, false,
         {{"Text4", "12"}, {"Text5", "2"}, {"Text6", "6"}},
         {{"Text4", "Text4", {"12", "4.7", "330"}},
          {"Text5", "Text5", {"2", "0.5", "1.2"}},
          {"Text6", "Text6", {"6", "47", "0.33"}}}},
        {"P=R*I²", 0, -1, true,
         {{"Text4", "100"}, {"Text5", "0.1"}, {"Text6", "1"}},
         {{"Text4", "Text4", {"100", "4.7", "330"}},
          {"Text5", "Text5", {"0.1", "0.2", "0.05"}},
          {"Text6", "Text6", {"1", "4.7", "0.33"}}}},
        {"Led série", 1, 0, false,
         {{"Text13", "12"}, {"Text14", "2"}, {"Text15", "20"}, {"Text16", "3"}},
         {{"Text13", "Text13", {"12", "9", "6.5"}},
          {"Text14", "Text14", {"2", "1.8", "3.3"}},
          {"Text15", "Text15", {"20", "15", "30"}},
          {"Text16", "Text16", {"3", "4", "5"}}}},
        {"Led parallèle", 1, 1, false,
         {{"Text21", "5"}, {"Text22", "2"}, {"Text23", "20"}, {"Text24", "3"}},
         {{"Text21", "Text21", {"5", "12", "9"}},
          {"Text22", "Text22", {"2", "1.8", "3.3"}},
          {"Text23", "Text23", {"20", "10", "5"}},
          {"Text24", "Text24", {"3", "2", "1"}}}},
        {"Zener", 2, -1, false,
         {{"Text28", "12"}, {"Text27", "5.1"}, {"Text26", "20"}},
         {{"Text28", "Text28", {"12", "9", "15"}},
          {"Text27", "Text27", {"5.1", "3.3", "6.8"}},
          {"Text26", "Text26", {"20", "30", "10"}},
          {"Valpro_txt", "Valpro_txt", {"330", "470", "1000"}}}},
        {"Trans", 3, -1, false,
         {{"Text31", "100"}, {"Text32", "100"}, {"Text34", "5"}},
         {{"Text31", "Text31", {"100", "10", "47"}},
          {"Text32", "Text32", {"100", "50", "150"}},
          {"Text34", "Text34", {"5", "12", "3.3"}}}},
    };
    // clang-format on
    return table;
}

// A window of bare Qt widgets, all in the given style: a line edit whose every
// change writes one label (the floor). With zenerWrites, the change also makes what
// the zener supply's cascade makes, with bare widgets and without any of its
// calculation: a second note, the ideal value (a read-only field), the
// proposal (a field, written when its text changes), whose change writes the
// current (a read-only field) and picks one of two lamps; and the message,
// shown below the zener voltage.
QLineEdit* bareField(QWidget& window, QStyle* style, bool zenerWrites) {
    window.setFixedSize(200, zenerWrites ? 160 : 60);
    auto* field = new QLineEdit(QStringLiteral("1"), &window);
    field->setGeometry(10, 10, 60, 20);
    field->setMaxLength(5);
    auto* label = new QLabel(&window);
    label->setGeometry(80, 10, 60, 20);
    QObject::connect(field, &QLineEdit::textChanged, label, &QLabel::setText);
    if (zenerWrites) {
        auto* note = new QLabel(&window);
        auto* message = new QLabel(QStringLiteral("Hors limite"), &window);
        auto* ideal = new QLineEdit(&window);
        auto* proposal = new QLineEdit(&window);
        auto* current = new QLineEdit(&window);
        QPixmap dot(16, 16);
        dot.fill(Qt::green);
        auto* green = new QLabel(&window);
        green->setPixmap(dot);
        dot.fill(Qt::red);
        auto* red = new QLabel(&window);
        red->setPixmap(dot);
        note->setGeometry(80, 40, 60, 20);
        message->setGeometry(80, 70, 100, 20);
        ideal->setGeometry(10, 40, 60, 20);
        proposal->setGeometry(10, 70, 60, 20);
        current->setGeometry(10, 100, 60, 20);
        for (QLabel* lamp : {green, red}) lamp->setGeometry(80, 100, 16, 16);
        ideal->setReadOnly(true);
        current->setReadOnly(true);
        QObject::connect(field, &QLineEdit::textChanged, &window, [=](const QString& text) {
            note->setText(text + u'V');
            ideal->setText(text + u'5');
            const bool offLimit = text.toDouble() < 5.1;
            message->setVisible(offLimit);
            if (const QString hundreds = text.left(1) + QStringLiteral("00");
                !offLimit && proposal->text() != hundreds)
                proposal->setText(hundreds);
        });
        QObject::connect(proposal, &QLineEdit::textChanged, current, [=](const QString& text) {
            current->setText(text + u'1');
            green->setVisible(text.startsWith(u'1'));
            red->setVisible(!text.startsWith(u'1'));
        });
    }
    for (QWidget* w : window.findChildren<QWidget*>()) w->setStyle(style);
    window.setStyle(style);
    window.show();
    return field;
}

// Delivers what a keystroke left behind: posted events (update requests,
// layout requests, deferred deletes) and whatever they post in turn.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

struct Round {
    std::vector<double> keyMicroseconds;
    bool asTyped = true; // every value stood in the field as typed
};

// Types every value over the whole text of the field; times each key, and
// toggles callgrind's collection around it when collected.
Round typeRound(QLineEdit* field, const std::vector<const char*>& values, bool collect = false) {
    using Clock = std::chrono::steady_clock;
    Round round;
    for (const char* value : values) {
        field->selectAll();
        settle();
        for (const char* c = value; *c; ++c) {
            const auto t0 = Clock::now();
            if (collect) CALLGRIND_TOGGLE_COLLECT;
            QTest::keyClick(field, *c);
            settle();
            if (collect) CALLGRIND_TOGGLE_COLLECT;
            const std::chrono::duration<double, std::micro> spent = Clock::now() - t0;
            round.keyMicroseconds.push_back(spent.count());
        }
        round.asTyped = round.asTyped && field->text() == QLatin1String(value);
    }
    return round;
}

// Left-aligned in a column of the given width, counted in characters, not bytes.
std::string cell(const char* utf8, int width) {
    std::string s = utf8;
    s.append(std::size_t(std::max(0, width - int(QString::fromUtf8(utf8).size()))), ' ');
    return s;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Result {
    double perKey = 0;  // median over the repetitions of the mean per key
    double slowKey = 0; // 95th percentile of single keystrokes: the slow keys that
                        // recur, not a rare preemption by another process
    bool asTyped = true;
};

Result measure(QLineEdit* field, const std::vector<const char*>& values, bool collect) {
    field->window()->activateWindow();
    field->setFocus();
    settle();
    Result r;
    r.asTyped = typeRound(field, values).asTyped; // warm-up, not counted
    std::vector<double> means, keys;
    for (int i = 0; i < kRepetitions; ++i) {
        const Round round = typeRound(field, values, collect);
        double sum = 0;
        for (double us : round.keyMicroseconds) sum += us;
        means.push_back(sum / double(round.keyMicroseconds.size()));
        keys.insert(keys.end(), round.keyMicroseconds.begin(), round.keyMicroseconds.end());
    }
    r.perKey = median(means);
    std::sort(keys.begin(), keys.end());
    r.slowKey = keys[keys.size() * 95 / 100];
    return r;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kirel::setupApplication(app);
    // A fixed locale, so that "4.7" is a number whatever the machine's settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList named = app.arguments().mid(1);

    // The floor and the first bare row in Qt's own Fusion, not in the window's
    // style, which draws a field's frame faster: the floor is what a bare Qt
    // line edit costs.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget floorWindow, bareWindows[2];
    QLineEdit* floorField = bareField(floorWindow, fusion.get(), false);
    QLineEdit* bareZener[2] = {bareField(bareWindows[0], fusion.get(), true),
                               bareField(bareWindows[1], QApplication::style(), true)};

    Base w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&floorWindow) ||
        !QTest::qWaitForWindowExposed(&bareWindows[0]) ||
        !QTest::qWaitForWindowExposed(&bareWindows[1]) || !QTest::qWaitForWindowExposed(&w)) {
        std::puts("kirel-bench-keys: the windows were never exposed");
        return 0;
    }

    const Result floor =
        measure(floorField, {"12", "4.7", "330"}, named.contains(QLatin1String("floor")));
    std::printf("Keystroke cost: median of %d repetitions of the mean per key, in µs,\n"
                "each key with its whole cascade and the events it posts (platform %s)\n\n",
                kRepetitions, qPrintable(QGuiApplication::platformName()));
    std::printf("%s%s %9s %9s %8s\n", cell("field", 11).c_str(), cell("block", 14).c_str(),
                "per key", "p95 key", "x floor");
    // One row: the field, its block, its figures and how they stand to the floor's.
    const auto row = [&floor](const char* field, const char* block, const Result& r) {
        std::printf("%s%s %9.1f %9.1f %8.2f%s\n", cell(field, 11).c_str(), cell(block, 14).c_str(),
                    r.perKey, r.slowKey, r.perKey / floor.perKey,
                    r.asTyped ? "" : "  (text repaired while typing)");
    };
    row("floor", "QLineEdit", floor);
    Result bare[2];
    const bool bareWanted = named.contains(QLatin1String("bare"));
    if (named.isEmpty() || bareWanted || named.contains(QLatin1String("Text28"))) {
        const char* styles[2] = {"Fusion", "Kirel"};
        for (int k = 0; k < 2; ++k) {
            bare[k] = measure(bareZener[k], {"12", "9", "15"}, bareWanted); // typed as into Text28
            row("bare", styles[k], bare[k]);
        }
    }

    const char* slowestName = "";
    const char* slowestBlock = "";
    double slowest = 0;
    for (const Panel& p : panels()) {
        w.selectTab(p.tab);
        if (p.ledTab >= 0) w.findChild<QTabBar*>("TabStrip2")->setCurrentIndex(p.ledTab);
        w.findChild<QRadioButton*>(p.powerByR ? "Option1(1)" : "Option1(0)")->setChecked(true);
        for (const auto& [field, text] : p.start)
            w.findChild<QLineEdit*>(field)->setText(QString::fromLatin1(text));
        settle();
        for (const Entry& e : p.entries) {
            const bool wanted = named.contains(QLatin1String(e.name));
            if (!named.isEmpty() && !wanted) continue;
            const Result r = measure(w.findChild<QLineEdit*>(e.field), e.values, wanted);
            row(e.name, p.caption, r);
            if (r.perKey > slowest) {
                slowest = r.perKey;
                slowestName = e.name;
                slowestBlock = p.caption;
            }
        }
    }
    if (*slowestName)
        std::printf(
            "\nslowest field: %s (%s) %.1f µs per keystroke, %.2f x floor; bar < %.0f µs: %s\n",
            slowestName, slowestBlock, slowest, slowest / floor.perKey, kBarMicroseconds,
            slowest < kBarMicroseconds ? "PASS" : "FAIL");
    if (bare[0].perKey > 0)
        std::printf("the zener supply's writes by bare Qt widgets: %.2f x floor in Fusion, "
                    "%.2f x in the program's style\n",
                    bare[0].perKey / floor.perKey, bare[1].perKey / floor.perKey);
    return 0;
}
