// The "Résis" tab as a user meets it: the mode list, reading colour bands and
// SMD markings, composing a value in the finder, and a resistance handed over
// by a calculator.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "testing.h"

using testing::LocaleScope;

namespace {
// Picks an item the way a user does: opens the list and clicks the item.
void pick(QComboBox* list, const QString& item) {
    const int i = list->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect r = view->visualRect(view->model()->index(i, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(list->currentIndex(), i);
}

// Types into the edit part of a band list, replacing its text.
void typeInto(QComboBox* list, const QString& text) {
    list->setFocus();
    QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list->lineEdit(), text);
}

// The visible labels of a row, left to right, then the unit.
QString line(std::initializer_list<QLabel*> labels, const QLabel* unit) {
    std::vector<QLabel*> shown;
    for (QLabel* l : labels)
        if (!l->isHidden()) shown.push_back(l);
    std::ranges::sort(shown, {}, [](QLabel* l) { return l->x(); });
    QString out;
    for (QLabel* l : shown) out += l->text();
    return out + ' ' + unit->text();
}
QString valueLine(const Base& w) {
    return line({w.val_lbl[0], w.val_lbl[1], w.val_lbl[2], w.val_lbl[3], w.val_lbl[4], w.val_lbl[5]},
                w.Label4);
}
QString toleranceLine(const Base& w) {
    return w.Label5->text() + ' ' + w.tol_lbl->text() + ' ' + w.Label6->text();
}
QString finderLine(const Base& w) {
    return line({w.Label8[0], w.Label8[1], w.Label8[2], w.Label9[0], w.Label9[1]}, w.Label11);
}
bool fits(const QLabel* l) {
    return l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width();
}

const QColor kBody{255, 192, 128};
const QColor kRed{255, 0, 0}, kGreen{0, 255, 0};
} // namespace

class TestResis : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

    QComboBox* list(const QString& name) { return w->findChild<QComboBox*>(name); }

private slots:
    void init() {
        w = std::make_unique<Base>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->TabStrip1->setCurrentIndex(4);
    }
    void cleanup() { w.reset(); }

    void startUp() {
        QCOMPARE(w->Combo1->currentText(), QStringLiteral("Déterminer"));
        QCOMPARE(valueLine(*w), QStringLiteral("10 Ohms"));
        QCOMPARE(toleranceLine(*w), QStringLiteral("(+/- 5 %)"));
        QCOMPARE(finderLine(*w), QStringLiteral("100 Ohms"));
        QCOMPARE(w->valst_txt[0]->text(), QStringLiteral("91"));
        QCOMPARE(w->valst_txt[1]->text(), QStringLiteral("110"));
        QCOMPARE(w->Resok_sh->borderColor(), kGreen);
        QCOMPARE(w->Shape2->fillColor(), QColor(128, 64, 0));
    }
};

KIREL_TEST_MAIN(TestResis)
#include "test_resis.moc"
