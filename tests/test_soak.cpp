// Random user actions, thousands of them, in a point locale and a comma locale,
// with the window's invariants checked after every one. A failure prints its
// seed and step; KIREL_SOAK_SEED=<seed> replays one run.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>

#include "testing.h"
#include "window/numbers.h"

namespace {
const QString kAlphabet = QStringLiteral("0123456789.,-+eE xa");

struct Run {
    Base& w;
    QRandomGenerator rng;
    QList<QLineEdit*> inputs, outputs;
    QList<QComboBox*> lists;
    QHash<QComboBox*, QStringList> contents;
    QHash<QLineEdit*, QString> startTexts;

    int pick(int n) { return int(rng.bounded(n)); }

    QString randomText() {
        QString s;
        for (int i = 0, n = pick(6); i < n; ++i) s += kAlphabet[pick(int(kAlphabet.size()))];
        return s;
    }

    // One action of a user; returns what it did, for the failure message.
    QString act() {
        switch (pick(10)) {
        case 0: case 1: case 2: {
            QLineEdit* f = inputs[pick(int(inputs.size()))];
            const QString t = randomText();
            testing::type(f, t);
            return "type '" + t + "' into " + f->objectName();
        }
        case 3: {
            QLineEdit* f = inputs[pick(int(inputs.size()))];
            f->setFocus();
            f->end(false);
            for (int i = 0, n = 1 + pick(3); i < n; ++i) QTest::keyClick(f, Qt::Key_Backspace);
            return "delete in " + f->objectName();
        }
        case 4: case 5: {
            QComboBox* c = lists[pick(int(lists.size()))];
            const bool locked = isLocked(c);
            const int before = c->currentIndex();
            c->setFocus();
            QTest::keyClick(c, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            if (locked && c->currentIndex() != before) return "FAIL locked " + c->objectName();
            return "arrow key on " + c->objectName();
        }
        case 6: {
            QAbstractButton* b[] = {w.Check1, w.Option1[0], w.Option1[1], w.Option2[0],
                                    w.Option2[1], w.Raz1, w.Raz2};
            QAbstractButton* x = b[pick(7)];
            if (!x->isVisible()) return "skip hidden " + x->objectName();
            QTest::mouseClick(x, Qt::LeftButton);
            return "click " + x->objectName();
        }
        case 7:
            w.zdofflimit_Click();
            return QStringLiteral("click zdofflimit");
        case 8: {
            const int i = pick(6);
            w.TabStrip1->setCurrentIndex(i);
            return "tab " + QString::number(i);
        }
        default: {
            const int i = pick(2);
            w.TabStrip2->setCurrentIndex(i);
            return "led tab " + QString::number(i);
        }
        }
    }

    QString broken() const {
        auto count = [](const auto& ws) {
            return std::count_if(ws.begin(), ws.end(), [](QWidget* x) { return !x->isHidden(); });
        };
        if (count(w.Picture1) != 1) return QStringLiteral("not one main panel");
        if (count(w.Picture2) != 1) return QStringLiteral("not one led panel");
        if (count(std::array<QWidget*, 3>{w.zdno, w.zdok, w.zdm}) != 1)
            return QStringLiteral("not one lamp");
        if (w.Text19->text() != QLatin1String("Non disp")) return QStringLiteral("Text19");
        for (QLineEdit* f : inputs) {
            if (f->text().size() > 5) return f->objectName() + " longer than 5";
            const bool smd = f == w.cms1 || f == w.cms2 || f == w.cms3;
            if (smd ? !QRegularExpression("^[0-9]?$").match(f->text()).hasMatch()
                    : !numbers::isNumeric(f->text()))
                return f->objectName() + " holds '" + f->text() + "'";
        }
        for (QLineEdit* f : outputs)
            if (f->text() != startTexts[f] && !numbers::localeNumber(f->text()))
                return f->objectName() + " shows '" + f->text() + "'";
        static const QRegularExpression notNumber(
            "(^|[^a-z])(inf|nan)([^a-z]|$)", QRegularExpression::CaseInsensitiveOption);
        for (QLabel* l : w.findChildren<QLabel*>())
            if (notNumber.match(l->text()).hasMatch()) return l->objectName() + ": " + l->text();
        for (QLineEdit* f : w.findChildren<QLineEdit*>())
            if (notNumber.match(f->text()).hasMatch()) return f->objectName() + ": " + f->text();
        const QColor frame = w.Resok_sh->borderColor();
        if (frame != QColor(255, 0, 0) && frame != QColor(0, 255, 0))
            return QStringLiteral("frame colour ") + frame.name();
        // The finder's code is the drawn code, on as many bands as it has digits.
        if (w.Combo1->currentIndex() == 0) {
            if (w.Shape4->isHidden() != w.Check1->isChecked()) return QStringLiteral("third band");
            const std::pair<QComboBox*, QComboBox*> mirrored[] = {
                {w.Combo2, w.Combo8}, {w.Combo3, w.Combo9}, {w.Combo4, w.Combo10}, {w.Combo6, w.Combo11}};
            for (auto [band, finder] : mirrored)
                if (band->currentText() != band->itemText(finder->currentIndex()))
                    return band->objectName() + " is not the finder's";
        }
        for (QComboBox* c : lists)
            for (int i = 0; i < c->count(); ++i)
                if (c->count() != contents[c].size() || c->itemText(i) != contents[c][i])
                    return c->objectName() + " items changed";
        return {};
    }
};
} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void randomActions_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("french");
        QTest::addColumn<int>("steps");
        if (qEnvironmentVariableIsSet("KIREL_SOAK_SEED")) {
            const quint32 seed = qEnvironmentVariableIntValue("KIREL_SOAK_SEED");
            QTest::newRow("replay point") << seed << false << 4000;
            QTest::newRow("replay comma") << seed << true << 4000;
            return;
        }
        for (quint32 seed : {1u, 2u, 3u}) {
            QTest::addRow("point %u", seed) << seed << false << 1500;
            QTest::addRow("comma %u", seed) << seed << true << 1500;
        }
    }

    void randomActions() {
        QFETCH(quint32, seed);
        QFETCH(bool, french);
        QFETCH(int, steps);
        testing::LocaleScope scope(french ? testing::french() : testing::english());
        Base w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Run run{w, QRandomGenerator(seed), {}, {}, {}, {}, {}};
        run.inputs = {w.Text1,  w.Text2,  w.Text3,  w.Text4,  w.Text5,  w.Text6,  w.Text13,
                      w.Text14, w.Text15, w.Text16, w.Text21, w.Text22, w.Text23, w.Text24,
                      w.Text26, w.Text27, w.Text28, w.Valpro_txt, w.Text31, w.Text32,
                      w.Text34, w.cms1,   w.cms2,   w.cms3};
        run.outputs = {w.Text7,  w.Text8,  w.Text9,  w.Text10, w.Text11, w.Text12, w.Text17,
                       w.Text18, w.Text20, w.Text25, w.Text29, w.Text33, w.Text35};
        for (QLineEdit* f : run.outputs) run.startTexts[f] = f->text();
        run.lists = w.findChildren<QComboBox*>();
        for (QComboBox* c : run.lists)
            for (int i = 0; i < c->count(); ++i) run.contents[c] << c->itemText(i);

        for (int step = 0; step < steps; ++step) {
            w.TabStrip1->setCurrentIndex(run.pick(6)); // act on any tab, hidden or not
            const QString did = run.act();
            const QString why = did.startsWith("FAIL") ? did : run.broken();
            if (!why.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3): %4 "
                                                "(replay with KIREL_SOAK_SEED=%1)")
                                     .arg(seed).arg(step).arg(did, why)));
        }
    }
};

KIREL_TEST_MAIN(TestSoak)
#include "test_soak.moc"
