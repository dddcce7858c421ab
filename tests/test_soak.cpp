// Random user actions, thousands of them, in a point locale and a comma locale,
// with the window's invariants checked after every one. A failure prints its
// seed and step; KIREL_SOAK_SEED=<seed> replays one run.

#include <QCheckBox>
#include <QRandomGenerator>

#include "testing.h"

namespace {
const QString kAlphabet = QStringLiteral("0123456789.,-+eE xa");
const QString kExtremes[] = {"1e300", "-1e300", "1e-99", "9e307", "0"};

struct Run {
    Base& w;
    QRandomGenerator rng;
    QList<QLineEdit*> inputs, outputs; // the user's fields, the results
    QList<QComboBox*> lists;
    QList<QWidget*> buttons;            // and the zener's message, which a click puts away
    QHash<QObject*, QStringList> start; // the results' texts

    int pick(qsizetype n) { return int(rng.bounded(int(n))); }

    // One action of a user; returns what it did, or why it failed with "FAIL".
    QString act() {
        QLineEdit* f = inputs[pick(inputs.size())];
        QComboBox* c = lists[pick(lists.size())];
        const int what = pick(10);
        if (what < 3) {
            QString t;
            for (int i = 0, n = pick(6); i < n; ++i) t += kAlphabet[pick(kAlphabet.size())];
            testing::type(f, t);
            return "type '" + t + "' into " + f->objectName();
        }
        if (what == 3) {
            const QString t = kExtremes[pick(std::size(kExtremes))];
            testing::act(w, f->objectName() + ":=" + t);
            return "paste " + t + " into " + f->objectName();
        }
        if (what == 4) {
            f->setFocus();
            f->end(false);
            for (int i = 0, n = 1 + pick(3); i < n; ++i) QTest::keyClick(f, Qt::Key_Backspace);
            return "delete in " + f->objectName();
        }
        if (what < 7) { // a locked list takes neither keys nor clicks on its arrow
            const bool locked = isLocked(c);
            const int before = c->currentIndex();
            c->setFocus();
            QTest::keyClick(c, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            if (c->isVisible()) {
                QTest::mousePress(c, Qt::LeftButton, {}, {c->width() - 4, 4});
                if (c->view()->isVisible() == locked) return "FAIL click on " + c->objectName();
                c->hidePopup();
            }
            if (locked && c->currentIndex() != before) return "FAIL locked " + c->objectName();
            return "arrow key and click on " + c->objectName();
        }
        if (what == 7) {
            QWidget* b = buttons[pick(buttons.size())];
            if (!b->isVisible()) return "skip hidden " + b->objectName();
            QTest::mouseClick(b, Qt::LeftButton);
            return "click " + b->objectName();
        }
        QTabBar* bar = testing::get<TabStrip>(w, pick(2) ? "TabStrip1" : "TabStrip2");
        bar->setCurrentIndex(pick(bar->count()));
        return bar->objectName() + " at " + QString::number(bar->currentIndex());
    }

    QString broken() const {
        const QList lamps{testing::get(w, "zdno"), testing::get(w, "zdok"), testing::get(w, "zdm")};
        if (std::ranges::count_if(lamps, std::not_fn(&QWidget::isHidden)) != 1)
            return QStringLiteral("not one lamp");
        for (QLineEdit* f : inputs) {
            if (f->text().size() > 5) return f->objectName() + " longer than 5";
            const bool smd = f->objectName().startsWith(QLatin1String("cms"));
            if (smd ? !QRegularExpression("^[0-9R]?$|^[A-FHSX-Z]$").match(f->text()).hasMatch()
                    : !numbers::isNumeric(f->text()))
                return f->objectName() + " holds '" + f->text() + "'";
        }
        // The SMD markings of the finder's value: digits and R, or EIA-96, " / " between.
        static const QRegularExpression markings(
            "^(([0-9R]{3,4}|[0-9]{2}[ZYXABCDEF])( / (?!$)|$))*$");
        for (QLineEdit* f : outputs)
            if (f->objectName() == QLatin1String("cmsmark_txt")
                    ? !markings.match(f->text()).hasMatch()
                    : f->text() != start[f].first() && !numbers::localeNumber(f->text()))
                return f->objectName() + " shows '" + f->text() + "'";
        // (The fields: their rules above.)
        static const QRegularExpression notNumber("(^|[^a-z])(inf|nan)([^a-z]|$)",
                                                  QRegularExpression::CaseInsensitiveOption);
        QStringList texts{testing::read(w, "handed")};
        for (QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
        for (const QString& t : texts)
            if (notNumber.match(t).hasMatch()) return "shown: " + t;
        // The finder's code is the drawn code, on the tab as it shows.
        if (!testing::get(w, "Picture1(4)")->isHidden() &&
            testing::get<QComboBox>(w, "Combo1")->currentIndex() == 0) {
            for (auto [band, finder] : {std::pair{2, 8}, {3, 9}, {4, 10}, {6, 11}}) {
                const auto* b = testing::get<QComboBox>(w, QString("Combo%1").arg(band));
                const auto* f = testing::get<QComboBox>(w, QString("Combo%1").arg(finder));
                if (b->currentText() != b->itemText(f->currentIndex()))
                    return b->objectName() + " is not the finder's";
            }
        }
        return {};
    }
};
} // namespace

class TestSoak : public testing::WindowSuite {
    Q_OBJECT
private slots:
    void randomActions_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("french");
        QTest::addColumn<int>("steps");
        const bool replay = qEnvironmentVariableIsSet("KIREL_SOAK_SEED");
        for (quint32 seed : replay ? QList{quint32(qEnvironmentVariableIntValue("KIREL_SOAK_SEED"))}
                                   : QList{1u, 2u, 3u}) {
            QTest::addRow("point %u", seed) << seed << false << (replay ? 4000 : 1500);
            QTest::addRow("comma %u", seed) << seed << true << (replay ? 4000 : 1500);
        }
    }

    void randomActions() {
        QFETCH(quint32, seed);
        QFETCH(bool, french);
        QFETCH(int, steps);
        QLocale::setDefault(french ? testing::french : testing::english);
        w = std::make_unique<Base>(); // opened in the row's locale
        testing::watch(*w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        Run run{*w, QRandomGenerator(seed), {}, {}, w->findChildren<QComboBox*>(), {}, {}};
        for (QLineEdit* f : w->findChildren<QLineEdit*>())
            if (!f->objectName().isEmpty()) (f->isReadOnly() ? run.outputs : run.inputs) << f;
        for (QLineEdit* f : run.outputs) run.start[f] = {f->text()};
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            if (!b->objectName().isEmpty()) run.buttons << b;
        run.buttons << testing::get<QWidget>(*w, "zdofflimit");

        for (int step = 0; step < steps; ++step) { // acting on any tab, hidden or not
            testing::get<TabStrip>(*w, "TabStrip1")->setCurrentIndex(run.pick(6));
            const QString did = run.act();
            const QString why = did.startsWith("FAIL") ? did : run.broken();
            if (!why.isEmpty())
                QFAIL(qPrintable(
                    QString::asprintf("seed %u, step %d (%s): %s (replay with KIREL_SOAK_SEED=%u)",
                                      seed, step, qPrintable(did), qPrintable(why), seed)));
        }
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
