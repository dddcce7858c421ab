// The window as the user finds it and uses it: start-up state, tabs, the
// numeric-field rule, the option pairs and reset buttons, the keyboard and
// screen-reader names, and a layout check that no text is clipped by its
// control and no line leaves its panel.

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOptionComboBox>

#include "kit/style.h"
#include "testing.h"

class TestWindow : public testing::WindowSuite {
    Q_OBJECT

private slots:
    // A list's handler runs once while start-up fills it, with its start index;
    // the fixed-size, titled window has no maximise button; every control answers
    // to its own name (a name given twice hides a control from the tests).
    void startUp() {
        Base fresh;
        int changes = 0;
        auto* finder = testing::get<QComboBox>(fresh, "Combo8");
        QObject::connect(finder, &QComboBox::currentIndexChanged, [&] { ++changes; });
        fresh.Form_Load();
        QCOMPARE(QList({changes, finder->currentIndex()}), QList({1, 0})); // once, at its start
        QVERIFY(testing::get<QRadioButton>(fresh, "Option1(0)")->isChecked() &&
                testing::get<QRadioButton>(fresh, "Option2(0)")->isChecked()); // P = U * I, point
        const Qt::WindowFlags flags = w->windowFlags();
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowMinimizeButtonHint) &&
                !flags.testFlag(Qt::WindowMaximizeButtonHint) && w->windowTitle().size() > 8);
        QStringList names;
        for (const QWidget* c : w->findChildren<QWidget*>())
            if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")) &&
                !qobject_cast<QTabBar*>(c->parentWidget())) // Qt's own scroll buttons
                names << c->objectName();
        names.sort();
        const auto twice = std::ranges::adjacent_find(names);
        QCOMPARE(twice == names.end() ? QString() : *twice, QString()); // the name given twice
    }

    // One main panel shows at a time, picked by a click or from the keyboard:
    // Ctrl with Tab, PageDown or PageUp anywhere, Up and Down on the strip, which
    // Tab reaches and which shows its focus. The "Led" tab remembers its sub-tab.
    // The strip's turned captions are each drawn, the chosen one in bold.
    void tabs() {
        auto* strip = testing::get<TabStrip>(*w, "TabStrip1");
        auto ink = [](TabStrip* on, int tab) { // dark pixels within the tab
            int dark = 0;
            for (auto [rgb, n] : colours(on->grab(on->tabRect(tab))).asKeyValueRange())
                dark += qGray(rgb) < 100 ? n : 0;
            return dark;
        };
        const int chosen = ink(strip, 0), other = ink(strip, 1);
        for (auto [name, i] :
             {std::pair{"TabStrip1", 1}, {"TabStrip2", 1}, {"TabStrip1", 5}, {"TabStrip1", 1}}) {
            auto* bar = testing::get<TabStrip>(*w, name);
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        }
        QCOMPARE(testing::read(*w, "Picture2(0)") + testing::read(*w, "Picture2(1)"), "-shown");
        QVERIFY(chosen > ink(strip, 0) * 1.2 && ink(strip, 1) > other * 1.2 && other > 0 &&
                ink(strip, 0) > 0);
        testing::get<QLineEdit>(*w, "Text21")->setFocus();
        const QImage unfocused = strip->grab().toImage();
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, back = ctrl | Qt::ShiftModifier;
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
            {Qt::Key_Tab, ctrl, 2},    {Qt::Key_PageDown, ctrl, 3}, {Qt::Key_PageUp, ctrl, 2},
            {Qt::Key_PageUp, ctrl, 1}, {Qt::Key_Backtab, back, 0},  {Qt::Key_Backtab, back, 5},
            {Qt::Key_Tab, ctrl, 0},    {Qt::Key_Tab, {}, 0},        {Qt::Key_Down, {}, 1},
            {Qt::Key_Down, {}, 2},     {Qt::Key_Up, {}, 1}};
        for (auto [key, mods, tab] : keys) {
            if (key == Qt::Key_Tab && !mods) testing::get(*w, "Raz2")->setFocus(); // then the strip
            QTest::keyClick(QApplication::focusWidget(), key, mods);
            QStringList shown;
            for (QWidget* panel : testing::all(*w, "Picture1", 6))
                if (!panel->isHidden()) shown << panel->objectName();
            QCOMPARE(shown, QStringList(QString("Picture1(%1)").arg(tab)));
        }
        QVERIFY(strip->hasFocus() && strip->grab().toImage() != unfocused);
        // The "Led" strip runs across, drawn by Qt: Left and Right move along it.
        auto* across = testing::get<TabStrip>(*w, "TabStrip2");
        across->setFocus();
        for (auto [key, tab] : {std::pair{Qt::Key_Left, 0}, {Qt::Key_Right, 1}}) {
            QTest::keyClick(across, key);
            QCOMPARE(across->currentIndex(), tab);
        }
        QVERIFY(ink(across, 0) > 0 && ink(across, 1) > 0);
    }

    // Fields typed and pasted, options and buttons clicked, in both locales.
    void scenarios_data() {
        static const char* const rows[][3] = {
            // The numeric-field rule: a text that is no number becomes "1",
            // selected, so that the next key replaces it.
            {"deleted, then a sign", "Text2=7; Text2=; Text2>-5", "Text2=5"},
            // A click into an Ohm's law input recomputes its block; other fields do nothing.
            {"click recomputes", "Text1=12; Text2=4; Text11:=x; Text7:=x; Text2; Text5",
             "Text11=3; Text7=x"},
            // The reset buttons, pressed with Return or Enter (the fields' own keys:
            // test_typing), as a click does.
            {"Ohm reset by Return", "Text1=42; Text2=42; Text3=42; Text4=42; Text9:=9; Raz1>Return",
             "Text1=1; Text2=1; Text3=1; Text9=1; Text11=1; Text12=1; Text4=42"},
            {"power reset by Enter", "Text4=42; Text5=42; Text6=42; Text7:=7; Raz2>Enter",
             "Text4=1; Text5=1; Text6=1; Text7=1; Text8=1; Text10=1"},
            // A screen reader says a field's name and unit; the power option
            // renames the first row of its block.
            {"power option", "Option1(1)",
             "Label25(39)=R:; Label25(33)=Ohms; Label25(36)=Ohms; Text4#=R / Ohms"},
            {"power option back", "Option1(1); Option1(0)",
             "Label25(39)=U:; Label25(33)=Volts; Label25(36)=Volts; Text4#=U / Volts"},
        };
        testing::addScenarios(rows);
    }
    void scenarios() { testing::runScenario(*w); }

    // The Tab key walks each tab's inputs in reading order: tab, sub-tab, order;
    // the locked band lists of "Déterminer" (at start) are skipped.
    void tabOrder() {
        for (const char* walk :
             {"0 0 Option2(0) Text1 Text2 Text3 Raz1 Option1(0) Text4 Text5 Text6 Raz2 TabStrip1",
              "1 1 TabStrip2 Text21 Text22 Text23 Text24 TabStrip1",
              "2 0 Text28 Text27 Text26 Combo7(0) Valpro_txt TabStrip1",
              "3 0 Text31 Text32 Text34 TabStrip1",
              "4 0 Combo1 Combo8 Combo9 Combo10 Check1 Combo11 Combo12 Combo7(1) TabStrip1",
              "4 0 Combo1 Combo2 Combo3 Combo4 Combo6 Combo5 Combo13 TabStrip1",
              "4 0 cms1 cms2 cms3 cms4 TabStrip1"}) {
            QStringList expected = QString(walk).split(' ');
            testing::get<TabStrip>(*w, "TabStrip1")->setCurrentIndex(expected.takeFirst().toInt());
            testing::get<TabStrip>(*w, "TabStrip2")->setCurrentIndex(expected.takeFirst().toInt());
            if (expected.contains("Combo2")) testing::act(*w, "Combo1=6 anneaux"); // lists open
            if (expected.contains("cms1")) testing::act(*w, "Combo1=CMS/SMD");
            w->findChild<QWidget*>(expected.first())->setFocus();
            QStringList seen{expected.first()};
            while (seen.size() < expected.size()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* f = QApplication::focusWidget();
                if (f && qobject_cast<QComboBox*>(f->parentWidget()))
                    f = f->parentWidget(); // its line edit
                seen << (f ? f->objectName() : QStringLiteral("(none)"));
            }
            QCOMPARE(seen, expected);
        }
    }

    // What a person sees: every text fits its control with the fonts of this
    // platform, and every drawn line stays on its panel.
    void noTextIsClipped() {
        QStringList clipped;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty()) continue;
            const QString why = clipping(c);
            if (!why.isEmpty()) clipped << c->objectName() + ": " + why;
            if (qobject_cast<Segment*>(c) && !c->parentWidget()->rect().contains(c->geometry()))
                clipped << c->objectName() + " off its panel";
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
    }

    // A result longer than its field shows how it begins, and all of it on hover,
    // after every write, also one that leaves its text as it was. The values
    // written over the zener schematic keep five characters and the unit; a longer
    // resistance widens its label within the picture, or shows its beginning with
    // the whole of it on hover.
    void longValuesShowTheirBeginning() {
        const QString wide = QStringLiteral("-1.23456789012345E+300 / -1.23456789012345E+300");
        for (QLineEdit* f : w->findChildren<QLineEdit*>()) {
            if (!f->isReadOnly() || f->objectName().isEmpty()) continue;
            f->setText(wide);
            f->setText(wide);
            QVERIFY2(f->cursorPosition() == 0 && f->toolTip() == wide, qPrintable(f->objectName()));
        }
        testing::act(*w, "Text26=20; Text28=12.75; Text27=-9.25");
        for (QLabel* l : testing::all<QLabel>(*w, "Timg", 3))
            QVERIFY2(clipping(l).isEmpty(), qPrintable(l->text()));
        auto* note = testing::get<NoteLabel>(*w, "Timg(0)");
        const QRect picture = testing::get<QWidget>(*w, "Img(0)")->rect();
        testing::act(*w, "Text27=99.75; Text26:=7e-13");
        QCOMPARE(note->text(), QStringLiteral("-1.24285714285714E+17"));
        QVERIFY2(clipping(note).isEmpty() && picture.contains(note->geometry()),
                 qPrintable(clipping(note)));
        note->setFont(QFont(w->font().family(), 20)); // now wider than the picture
        testing::act(*w, "Text26:=9e-13");
        QVERIFY(note->toolTip() == note->text() && picture.contains(note->geometry()));
    }

    // On a dark palette the drawings take the palette's text colour and what is
    // drawn keeps its own: the lamp, the bands, "Noir" black; a light palette
    // again gives the design's colours exactly. (Every text reads: everyPalette.)
    void darkPalette() {
        const QPalette light = QApplication::palette();
        const QColor text(238, 238, 236), grey(53, 53, 53), black(Qt::black);
        auto fill = [this](const char* name) { return testing::get<Shape>(*w, name)->fillColor(); };
        auto has = [this](const char* name, QColor c) {
            return colours(testing::get(*w, name)->grab()).contains(c.rgb());
        };
        // window text, button, light, dark, mid, text, bright text, base, window
        QApplication::setPalette(
            {text, grey, grey, grey, QColor(40, 40, 40), text, text, QColor(45, 45, 45), grey});
        for (const char* steps : kStates) testing::act(*w, steps);
        QVERIFY(has("Picture7", text) && has("Img(0)", text) && has("Line3", text) &&
                has("zdok", QColor(0x22, 0xc0, 0x2a)));
        QVERIFY(has("Timg(1)", QColor(45, 45, 45))); // a note paints the ground behind its text
        QCOMPARE(QList({fill("Shape2"), fill("Shape5"), fill("Shape6"), fill("Shape10")}),
                 QList<QColor>({{128, 64, 0}, black, black, black}));
        QApplication::setPalette(light);
        QApplication::processEvents();
        for (auto [name, colour] : {std::pair{"Label25(44)", QColor(0, 0, 192)},
                                    {"Text17", QColor(0, 128, 0)},
                                    {"Combo10", light.color(QPalette::Mid)}})
            QCOMPARE(textColour(testing::get(*w, name)), colour);
        QVERIFY(has("Picture7", black) && fill("Shape5") == black && fill("Shape10") == black &&
                w->palette().window() == light.base());
        testing::act(*w, "tab=2; Text28=5.1; Text27=5; Text26=20"); // the off-limit message
        QImage drawn; // drawn, then copied from what was drawn: the same
        for (int paint : {1, 2}) {
            const QImage now = testing::get(*w, "zdofflimit")->grab().toImage();
            QVERIFY2(colours(QPixmap::fromImage(now)).contains(QColor(255, 0, 0).rgb()),
                     qPrintable(QString::number(paint)));
            if (paint == 2) QCOMPARE(now, drawn);
            drawn = now;
            QApplication::processEvents(); // the copy is kept
        }
    }

    // Palettes that desktops give, with a window colour and a field colour of
    // their own: the dark one, dark window with light fields and the reverse,
    // high contrast black on white and white on black, and grey texts.
    void everyPalette_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("asDesigned"); // the design's colours drawn as chosen
        const QColor black(Qt::black), white(Qt::white), grey(53, 53, 53), pale(239, 239, 239);
        const QColor text(238, 238, 236), dim(40, 40, 40), field(45, 45, 45), mid(160, 160, 160);
        auto make = [](QColor windowText, QColor window, QColor text, QColor base, QColor mid) {
            // window text, button, light, dark, mid, text, bright text, base, window
            QPalette p(windowText, window, window.lighter(130), window.darker(150), mid, text,
                       windowText, base, window);
            p.setColor(QPalette::ButtonText, windowText); // buttons in the window's colours
            return p;
        };
        QTest::newRow("light") << QApplication::palette() << true;
        QTest::newRow("dark") << make(text, grey, text, field, dim) << false;
        QTest::newRow("dark window, light fields") << make(text, grey, black, white, dim) << false;
        QTest::newRow("light window, dark fields") << make(black, pale, text, field, mid) << false;
        QTest::newRow("black on white") << make(black, white, black, white, {96, 96, 96}) << false;
        QTest::newRow("white on black")
            << make(white, black, white, black, {170, 170, 170}) << false;
        QTest::newRow("grey texts") << make({70, 70, 70}, pale, {70, 70, 70}, white, mid) << false;
    }
    // On each, switched to while the window is open, in every state: each text
    // reads (4.5:1, a greyed list 3:1; on the standard light palette the
    // design's own colours stay as they are), and the outlines of the fields,
    // lists, the check box and the empty option buttons stand out (3:1). Then the window
    // is, pixel for pixel, one opened under that palette, and under the light
    // one again once it is back.
    void everyPalette() {
        QFETCH(QPalette, palette);
        QFETCH(bool, asDesigned);
        const QPalette light = QApplication::palette();
        const auto back =
            qScopeGuard([light] { QApplication::setPalette(light); }); // on failure too
        QApplication::setPalette(palette);
        QApplication::processEvents(); // the palette's news is posted
        for (const char* steps : kStates) {
            testing::act(*w, steps);
            const QStringList faults = unreadable(*w, asDesigned) + unseen(*w);
            QVERIFY2(faults.isEmpty(), qPrintable(steps + (": " + faults.join(", "))));
        }
        for (const QPalette& now : {palette, light}) {
            QApplication::setPalette(now);
            QApplication::processEvents();
            Base fresh;
            fresh.show();
            fresh.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&fresh));
            for (const char* steps : kStates) testing::act(fresh, steps);
            fresh.setFocus(); // no control marked
            const QImage freshly = fresh.grab().toImage();
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            w->setFocus();
            QVERIFY(w->grab().toImage() == freshly);
        }
    }

    // The finder's frame holds its whole value, digits, point and unit, with
    // the same margin on either side, at every value and scale.
    void finderFrameHoldsTheValue_data() {
        QTest::addColumn<QString>("ohms");
        for (const char* ohms : {"0.11", "4.7", "100", "4750", "47000", "1e6", "9.99e9"})
            QTest::newRow(ohms) << QString(ohms);
    }
    void finderFrameHoldsTheValue() {
        QFETCH(QString, ohms);
        testing::act(*w, "tab=4; handed=" + ohms);
        const QRect frame = testing::get(*w, "Resok_sh")->geometry();
        const QRect first = testing::get(*w, "Label8(0)")->geometry();
        const auto* unit = testing::get<QLabel>(*w, "Label11");
        const int end = unit->x() + unit->fontMetrics().horizontalAdvance(unit->text());
        QCOMPARE(frame.right() + 1 - end, first.left() - frame.left());
        QVERIFY(first.left() - frame.left() >= 4);
    }

    // A read-only field or a locked list refuses what the user and any client
    // of the accessibility interfaces does to it (a screen reader's "edit" and
    // "activate"): typing, pasting, dropping, text written, inserted, deleted,
    // the list's actions. It still says it is read-only and reads its text out;
    // a field the user may type into takes the same writes.
    void lockedForEveryClient() {
        testing::act(*w, "tab=4; Check1"); // the finder: band lists and its third digit locked
        QApplication::clipboard()->setText(QStringLiteral("666"));
        QMimeData dropped;
        dropped.setText(QStringLiteral("666"));
        int fields = 0, lists = 0;
        for (QLineEdit* f : w->findChildren<QLineEdit*>()) {
            const QString before = f->text();
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(f);
            if (!f->isReadOnly() || !a->state().readOnly || a->text(QAccessible::Value) != before)
                continue;
            a->editableTextInterface()->replaceText(0, int(before.size()), "666");
            a->editableTextInterface()->insertText(0, "6");
            a->editableTextInterface()->deleteText(0, 1);
            a->setText(QAccessible::Value, "666");
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
            QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, {});
            QApplication::sendEvent(f, &drop);
            fields += f->text() == before;
        }
        for (QComboBox* list : w->findChildren<QComboBox*>()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list);
            if (!isLocked(list) || !a->state().readOnly) continue;
            const QString before = list->currentText();
            bool refused = true;
            for (const QString& action : a->actionInterface()->actionNames()) {
                a->actionInterface()->doAction(action);
                refused = refused && !list->view()->isVisible() && list->currentText() == before;
                list->hidePopup();
            }
            lists += refused;
        }
        QCOMPARE(QList({fields, lists}), QList({23, 7})); // each refused all, and said read-only
        auto* open = testing::get<QComboBox>(*w, "Combo1");
        QAccessible::queryAccessibleInterface(open)->actionInterface()->doAction(
            QAccessibleActionInterface::showMenuAction());
        QVERIFY(open->view()->isVisible());
        open->hidePopup();
        auto* input = testing::get<QLineEdit>(*w, "Text1");
        QAccessible::queryAccessibleInterface(input)->editableTextInterface()->replaceText(0, 1,
                                                                                           "42");
        QCOMPARE(input->text(), QString("42"));
    }

    // The program builds the "Bases" tab before its first paint and the other
    // tabs right after it, or at once when something needs them: whatever the
    // user does meanwhile, the window ends as a window built whole at once.
    void builtAfterFirstPaint_data() {
        QTest::addColumn<QString>("before"); // done before the first paint
        QTest::addColumn<QString>("after");
        const char* const rows[][3] = {
            {"left alone, then the zener", "", "tab=2; Text28=12; Text27=5.1; Text26=20; tab=4"},
            {"resistance typed", "Text3=47", ""},
            {"power mode, resistance handed", "Option1(1); Text6=2", "tab=4"},
            {"tab picked", "tab=4", "Combo1=4 anneaux"},
        };
        for (auto [name, before, after] : rows) QTest::newRow(name) << before << after;
    }
    void builtAfterFirstPaint() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Base now, later(Base::Build::ShownFirst);
        QVERIFY(later.findChild<QWidget*>("Text1") && !later.findChild<QWidget*>("Text13"));
        for (Base* b : {&now, &later}) {
            b->show();
            testing::act(*b, before);
        }
        QTRY_VERIFY(later.findChild<QWidget*>("Text13"));
        for (Base* b : {&now, &later}) testing::act(*b, after);
        QCOMPARE(state(later), state(now));
    }

    // A drawing fills its box as far as its proportions let it, centred: what
    // it draws lies where the drawing at its own size does, moved by half the
    // room left (to a pixel).
    void drawingsCentred() {
        const auto drawnAt = [](const QImage& img) { // the top left of what is drawn
            QPoint at(img.width(), img.height());
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qAlpha(img.pixel(x, y))) at = {std::min(at.x(), x), std::min(at.y(), y)};
            return at;
        };
        for (const char* file : {":/assets/zener.svg", ":/assets/lamp_green.svg"})
            for (QSize box : {QSize(301, 61), QSize(61, 301)}) {
                const QSize fitted = QImageReader(file).size().scaled(box, Qt::KeepAspectRatio);
                const QPoint moved =
                    drawnAt(drawVector(file, box)) - drawnAt(drawVector(file, fitted));
                const QSize room = (box - fitted) / 2;
                QVERIFY2(std::abs(moved.x() - room.width()) <= 1 &&
                             std::abs(moved.y() - room.height()) <= 1,
                         file);
            }
        // On the window, a picture shows its drawing where it is, pixel for pixel,
        // over the window's ground.
        testing::act(*w, "tab=2");
        auto* lamp = testing::get<Picture>(*w, "zdno");
        QImage expected(lamp->size(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(w->palette().color(w->backgroundRole()));
        QPainter(&expected).drawPixmap(0, 0, lamp->drawing());
        QCOMPARE(lamp->grab().toImage().convertToFormat(expected.format()), expected);
    }

    // The window's style copies the frame of a field once drawn: the copy is
    // Fusion's own drawing with the outline that stands out (to one level of a
    // colour where its translucent lines cross), in every state, palette and
    // scale, on whole device pixels, and
    // drawn once per look; off whole pixels Fusion draws directly.
    void fieldFramesAsFusion_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<qreal>("offset");
        for (qreal ratio : {1.0, 2.0, 1.25})
            for (qreal offset : {3.0, 3.5})
                QTest::addRow("scale %g at %g", ratio, offset) << ratio << offset;
    }
    void fieldFramesAsFusion() {
        QFETCH(qreal, ratio);
        QFETCH(qreal, offset);
        using S = QStyle;
        kirel::Style window;
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto draw = [&](QStyle* style, const QStyleOptionFrame& opt) {
            QImage img((QSizeF(80, 30) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
            img.setDevicePixelRatio(ratio);
            img.fill(opt.palette.window().color());
            QPainter p(&img);
            p.translate(offset, offset);
            QStyleOptionFrame given = opt;
            if (style == fusion.get()) given.palette = kirel::outlinedPalette(opt.palette);
            style->drawPrimitive(S::PE_PanelLineEdit, &given, &p);
            return img;
        };
        QStyleOptionFrame field;
        field.rect = QRect(2, 1, 61, 21);
        for (int lineWidth : {0, 1, 0}) { // frameless, framed, then nothing new to draw
            field.lineWidth = lineWidth;
            for (const QPalette& pal : {QApplication::palette(), QPalette(Qt::white, Qt::darkGray)})
                for (S::State state :
                     {S::State_Enabled | S::State_Sunken, S::State(S::State_ReadOnly),
                      S::State_Enabled | S::State_HasFocus}) {
                    field.palette = pal;
                    field.state = state;
                    QVERIFY(nearlySame(draw(&window, field), draw(fusion.get(), field)));
                }
        }
        const int drawn = std::floor(offset * ratio) == offset * ratio ? 6 : 0; // whole pixels
        QCOMPARE(window.cachedFrames(), 2 * drawn); // two palettes, three states, two widths
    }

private:
    // The window's states, one after the other: every tab and "Résis" mode, the
    // LED error, the zener lamp, "Noir" bands.
    static constexpr const char* kStates[] = {
        "tab=0",
        "tab=1; Text13=5; Text14=2; Text16=3",
        "tab=3",
        "tab=5",
        "tab=2; Text28=12; Text27=5.1; Text26=20",
        "tab=4; Combo1=CMS/SMD",
        "Combo1=Déterminer; Check1",
        "Combo1=4 anneaux; Combo2=Marron; Combo6=Noir; Combo5=Noir",
        "Combo1=6 anneaux; Combo13=Noir"};

    // The texts shown that do not read against what most of the window behind
    // them shows: 4.5:1, a greyed list 3:1; the design's own colours (and the
    // greyed lists') are left out where they are drawn as chosen.
    static QStringList unreadable(Base& w, bool asDesigned) {
        QStringList faults;
        auto check = [&](QWidget* c, const QColor& ink, QRect where, bool own) {
            // What most of it shows: the median by lightness (a button's gradient
            // has many colours, its outline one).
            const auto behind = colours(w.grab({c->mapTo(&w, where.topLeft()), where.size()}));
            QList<QRgb> shades = behind.keys();
            std::ranges::sort(shades, {}, [](QRgb k) { return theme::luminance(k); });
            int half = where.width() * where.height() / 2;
            QRgb most = shades.first();
            for (QRgb k : shades)
                if ((half -= behind[k]) < 0) {
                    most = k;
                    break;
                }
            const bool greyed = theme::isGreyed(c) || theme::isGreyed(c->parentWidget());
            if ((own || greyed) && asDesigned) return;
            if (theme::contrast(ink, most) < (greyed ? 3 : 4.5))
                faults << c->objectName() + u' ' + ink.name() + " on " + QColor(most).name();
        };
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const QWidget* top = w.childAt(c->mapTo(&w, c->rect().center()));
            if (!c->isVisible() || !(top == c || c->isAncestorOf(top))) continue; // covered
            if (auto* strip = qobject_cast<TabStrip*>(c))
                for (int i = 0; i < strip->count(); ++i)
                    check(c, c->palette().color(QPalette::WindowText), strip->tabRect(i), false);
            const char* shown = c->inherits("QComboBox") ? "currentText" : "text";
            if (c->property(shown).toString().isEmpty()) continue;
            auto* list = qobject_cast<QComboBox*>(c); // one not editable shows its text as a button
            if (list && list->isEditable()) continue; // its edit part is a field of its own
            const auto role = list ? QPalette::ButtonText : c->foregroundRole();
            check(c, c->palette().color(role), c->rect(), c->property("designColour").isValid());
        }
        return faults;
    }

    // The fields, lists, the check box and the empty option buttons whose
    // outline does not stand out from the panel at 3:1 (a field with the focus
    // is outlined in the palette's highlight).
    static QStringList unseen(Base& w) {
        const QColor panel = theme::background();
        QStringList faults;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            auto* button = qobject_cast<QAbstractButton*>(c);
            if (!c->isVisible() || c->objectName().isEmpty() || c->hasFocus() ||
                !(qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
                  (button && button->isCheckable() && !button->isChecked())))
                continue;
            QRect outline(0, c->height() / 2 - 1, 2, 3); // a field's or list's left edge
            if (button) {
                QStyleOptionButton opt;
                opt.initFrom(button);
                outline = c->style()->subElementRect(qobject_cast<QRadioButton*>(c)
                                                         ? QStyle::SE_RadioButtonIndicator
                                                         : QStyle::SE_CheckBoxIndicator,
                                                     &opt, c);
            }
            const auto seen = colours(c->grab(outline)).keys();
            if (std::ranges::none_of(seen, [&](QRgb k) { return theme::contrast(k, panel) >= 3; }))
                faults << c->objectName() + " outline";
        }
        return faults;
    }

    // What every control of a window shows, a line each.
    static QStringList state(const QWidget& window) {
        QStringList lines;
        for (const QWidget* c : window.findChildren<QWidget*>()) {
            QString line;
            QDebug(&line) << c->objectName() << c->isHidden() << c->isEnabled() << c->geometry()
                          << c->font() << c->palette().color(c->foregroundRole());
            for (const char* p : {"text", "currentIndex", "currentText", "checked", "fillColor",
                                  "borderColor", "maxLength", "readOnly", "accessibleName"})
                line += u' ' + c->property(p).toString();
            lines << line;
        }
        lines.sort();
        return lines;
    }
    // Two pictures alike to one level of each channel.
    static bool nearlySame(const QImage& a, const QImage& b) {
        return a.size() == b.size() &&
               std::equal(a.constBits(), a.constBits() + a.sizeInBytes(), b.constBits(),
                          [](uchar u, uchar v) { return std::abs(u - v) <= 1; });
    }
    // How many pixels of each colour a picture has.
    static QHash<QRgb, int> colours(const QPixmap& picture) {
        const QImage img = picture.toImage();
        QHash<QRgb, int> count;
        for (int i = 0; i < img.width() * img.height(); ++i)
            ++count[img.pixel(i % img.width(), i / img.width())];
        return count;
    }
    static QString clipping(QWidget* c) {
        const QFontMetrics fm(c->font());
        int need = 0, have = c->width();
        if (auto* l = qobject_cast<QLabel*>(c)) {
            if (l->text() == ".") return {}; // the points overlap their neighbours by design
            const QRect box = l->contentsRect();
            const QRect r = fm.boundingRect(box, l->wordWrap() ? Qt::TextWordWrap : 0, l->text());
            if (r.height() > box.height() + 2) return QStringLiteral("too low");
            need = r.width();
            have = box.width();
        } else if (qobject_cast<QLineEdit*>(c) || qobject_cast<QPushButton*>(c)) {
            need = fm.horizontalAdvance(c->property("text").toString()) + 8;
        } else if (auto* b = qobject_cast<QAbstractButton*>(c)) { // check box, option button
            need = b->sizeHint().width();
        } else if (auto* g = qobject_cast<QGroupBox*>(c)) {
            need = fm.horizontalAdvance(g->title()) + 12;
        } else if (auto* box = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox opt;
            opt.initFrom(box);
            opt.editable = box->isEditable();
            const auto field = QStyle::SC_ComboBoxEditField;
            have = box->style()->subControlRect(QStyle::CC_ComboBox, &opt, field, box).width();
            for (int i = 0; i < box->count(); ++i)
                need = std::max(need, fm.horizontalAdvance(box->itemText(i)) + 2);
        } else if (auto* bar = qobject_cast<TabStrip*>(c)) { // the current caption is bold
            QFont bold = bar->font();
            bold.setBold(true);
            have = 0;
            for (int i = 0; i < bar->count(); ++i) {
                const QRect r = bar->tabRect(i);
                const int along = bar->shape() == QTabBar::RoundedWest ? r.height() : r.width();
                const int text = QFontMetrics(bold).horizontalAdvance(bar->tabText(i));
                need = std::max(need, text + 4 - along);
            }
        }
        return need > have ? QStringLiteral("needs %1 px, has %2").arg(need).arg(have) : QString();
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
