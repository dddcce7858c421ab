// The window as the user first finds it: start-up state, tab switching, the
// numeric-field rule, the option pairs, the reset buttons, title and help, and
// a layout check that no text is clipped by its control.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>

#include "testing.h"

using testing::type;

namespace {
QWidget* byName(const Base& w, const QString& name) {
    if (name == w.objectName()) return const_cast<Base*>(&w);
    return w.findChild<QWidget*>(name);
}
QStringList items(const QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
}
QString text(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    return {};
}
void clickTab(QTabBar* bar, int index) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}
int visibleCount(const auto& widgets) {
    return int(std::count_if(widgets.begin(), widgets.end(), [](QWidget* w) { return !w->isHidden(); }));
}
} // namespace

class TestWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<Base> w;

private slots:
    void init() { w = testing::openWindow(); }
    void cleanup() { w.reset(); }

    void startTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("start");
        const char* ones[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",
                              "Text7",  "Text8",  "Text9",  "Text10", "Text11", "Text12",
                              "Text13", "Text14", "Text16", "Text17", "Text18", "Text20",
                              "Text21", "Text22", "Text24", "Text25", "Text26", "Text27",
                              "Text28", "Text29", "Text31", "Text32", "Text33", "Text34",
                              "Text35", "Valpro_txt"};
        for (const char* n : ones) QTest::newRow(n) << n << "1";
        QTest::newRow("Text15") << "Text15" << "20";
        QTest::newRow("Text23") << "Text23" << "20";
        QTest::newRow("Text19") << "Text19" << "Non disp";
        for (const char* n : {"cms1", "cms2", "cms3"}) QTest::newRow(n) << n << "";
        QTest::newRow("version") << "lblVersion" << "V1.03";
        QTest::newRow("title") << "Base" << "Kirel -   https://www.kirel.example.org/";
        QTest::newRow("address") << "Label10" << "https://www.kirel.example.org";
        QTest::newRow("power caption") << "Label25(39)" << "U:";
        QTest::newRow("power unit") << "Label25(33)" << "Volts";
        QTest::newRow("zener label") << "Label25(57)" << "mA (I autorisée par la ZD)";
        QTest::newRow("formula") << "Label25(42)" << "P=R*I ²";
        QTest::newRow("help frame") << "Frame1(1)" << "Général";
    }
    void startTexts() {
        QFETCH(QString, name);
        QFETCH(QString, start);
        QWidget* c = byName(*w, name);
        QVERIFY2(c, qPrintable(name));
        QCOMPARE(c == w.get() ? w->windowTitle() : text(c), start);
    }

    void startState() {
        QCOMPARE(visibleCount(w->Picture1), 1);
        QVERIFY(!w->Picture1[0]->isHidden());
        QVERIFY(!w->Picture2[0]->isHidden() && w->Picture2[1]->isHidden());
        QVERIFY(!w->zdno->isHidden() && w->zdok->isHidden() && w->zdm->isHidden());
        QCOMPARE(visibleCount(w->Linel) + visibleCount(w->Linelp), 0);
        QVERIFY(w->zdofflimit->isHidden());
        QVERIFY(w->Option1[0]->isChecked() && w->Option2[0]->isChecked());
        QVERIFY(w->modeui && w->pointdec);
        QCOMPARE(w->maxcar, 5);
        QCOMPARE(w->facaff, QStringLiteral("1"));
        QCOMPARE(w->Text1->maxLength(), 5);
        QCOMPARE(w->Valpro_txt->maxLength(), 5);
        QCOMPARE(w->cms2->maxLength(), 1);
        for (QLineEdit* out : {w->Text9, w->Text17, w->Text33, w->Text29})
            QVERIFY(out->isReadOnly() && out->font().bold());
        QCOMPARE(w->Text1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(textColourOf(w->Text9), QColor(0, 192, 0));
        QCOMPARE(textColourOf(w->Text17), QColor(0, 128, 0));
    }

    void lists_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("start");
        QTest::newRow("mode") << "Combo1" << 4 << "Déterminer" << "CMS/SMD" << 0;
        QTest::newRow("first band") << "Combo2" << 9 << "Marron" << "Blanc" << 0;
        QTest::newRow("second band") << "Combo3" << 10 << "Noir" << "Blanc" << 0;
        QTest::newRow("third band") << "Combo4" << 10 << "Noir" << "Blanc" << 0;
        QTest::newRow("tolerance") << "Combo5" << 9 << "Argent" << "Gris" << 1;
        QTest::newRow("multiplier") << "Combo6" << 12 << "Argent" << "Blanc" << 2;
        QTest::newRow("zener series") << "Combo7(0)" << 3 << "E24" << "E96" << 0;
        QTest::newRow("finder series") << "Combo7(1)" << 3 << "E24" << "E96" << 0;
        QTest::newRow("first digit") << "Combo8" << 9 << "1" << "9" << 0;
        QTest::newRow("second digit") << "Combo9" << 10 << "0" << "9" << 0;
        QTest::newRow("third digit") << "Combo10" << 10 << "0" << "9" << 0;
        QTest::newRow("factor") << "Combo11" << 10 << "x0.01" << "x10M" << 2;
        QTest::newRow("finder tolerance") << "Combo12" << 9 << "20%" << "0.05%" << 2;
    }
    void lists() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, start);
        auto* c = w->findChild<QComboBox*>(name);
        QVERIFY2(c, qPrintable(name));
        QCOMPARE(c->count(), count);
        QCOMPARE(items(c).first(), first);
        QCOMPARE(items(c).last(), last);
        QCOMPARE(c->currentIndex(), start);
        QVERIFY(items(c).removeDuplicates() == 0);
    }

    void bandListsShareTheirColours() {
        QCOMPARE(items(w->Combo2), items(w->Combo3).mid(1));
        QCOMPARE(items(w->Combo4), items(w->Combo3));
        QCOMPARE(items(w->Combo6).mid(2), items(w->Combo3));
        QVERIFY(!items(w->Combo5).contains("Orange") && !items(w->Combo5).contains("Blanc"));
    }

    // A list's handler runs once while start-up fills it, with its start index.
    void startUpRunsEachListHandlerOnce() {
        Base fresh;
        int changes = 0;
        QObject::connect(fresh.Combo8, &QComboBox::currentIndexChanged, [&] { ++changes; });
        fresh.Form_Load();
        QCOMPARE(changes, 1);
        QCOMPARE(fresh.Combo8->currentIndex(), 0);
    }

    void tabs() {
        clickTab(w->TabStrip1, 1);
        QCOMPARE(visibleCount(w->Picture1), 1);
        QVERIFY(!w->Picture1[1]->isHidden());
        clickTab(w->TabStrip2, 1);
        QVERIFY(w->Picture2[0]->isHidden() && !w->Picture2[1]->isHidden());
        clickTab(w->TabStrip1, 0);
        QVERIFY(w->Picture1[1]->isHidden() && !w->Picture1[0]->isHidden());
        clickTab(w->TabStrip1, 1); // the "Led" tab remembers its sub-tab
        QVERIFY(w->Picture2[0]->isHidden() && !w->Picture2[1]->isHidden());
        for (int i = 0; i < 6; ++i) {
            clickTab(w->TabStrip1, i);
            QCOMPARE(visibleCount(w->Picture1), 1);
            QVERIFY(!w->Picture1[i]->isHidden());
            QCOMPARE(w->TabStrip1->tag(i), QString::number(i + 1));
        }
        QCOMPARE(w->windowTitle(), Base::title());
    }

    void numericRule_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << "12" << "12";
        QTest::newRow("decimal") << "2.5" << "2.5";
        QTest::newRow("exponent typed: 1e is repaired") << "1e3" << "13";
        QTest::newRow("letter after digits") << "12a" << "1";
        QTest::newRow("only a letter") << "x" << "1";
        QTest::newRow("sixth character refused") << "123456" << "12345";
        QTest::newRow("deleted") << "" << "1";
    }
    void numericRule() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        for (QLineEdit* f : {w->Text1, w->Text5, w->Text14, w->Text23, w->Text27, w->Text32}) {
            type(f, typed);
            QCOMPARE(f->text(), shown);
        }
    }

    void repairPutsTheCaretAfterTheOne() {
        type(w->Text2, "7");
        QTest::keyClick(w->Text2, Qt::Key_Backspace);
        QCOMPARE(w->Text2->text(), QStringLiteral("1"));
        QCOMPARE(w->Text2->cursorPosition(), 1);
        QVERIFY(!w->Text2->hasSelectedText());
        QTest::keyClicks(w->Text2, "5"); // typing goes on after the "1"
        QCOMPARE(w->Text2->text(), QStringLiteral("15"));
    }

    void pastedTextsFollowTheLocale_data() {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("exponent") << false << "1e3" << "1e3";
        QTest::newRow("point in English") << false << "2.5" << "2.5";
        QTest::newRow("comma in English") << false << "2,5x" << "1";
        QTest::newRow("point in French") << true << "2.5" << "1";
        QTest::newRow("comma in French") << true << "2,5" << "2,5";
    }
    void pastedTextsFollowTheLocale() {
        QFETCH(bool, french);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        testing::LocaleScope scope(french ? testing::french() : testing::english());
        w->Text4->setText(pasted); // what a paste does: one change with the whole text
        QCOMPARE(w->Text4->text(), kept);
    }

    // A click into an Ohm's law input recomputes its block; other fields do nothing.
    void clickRecomputes() {
        type(w->Text1, "12");
        type(w->Text2, "4");
        for (QLineEdit* out : {w->Text11, w->Text7}) out->setText("x");
        QTest::mouseClick(w->Text2, Qt::LeftButton);
        QCOMPARE(w->Text11->text(), QStringLiteral("3"));
        QTest::mouseClick(w->Text5, Qt::LeftButton);
        QCOMPARE(w->Text7->text(), QStringLiteral("x"));
    }

    void powerOption() {
        QTest::mouseClick(w->Option1[1], Qt::LeftButton);
        QVERIFY(!w->modeui);
        QCOMPARE(w->Label25[39]->text(), QStringLiteral("R:"));
        QCOMPARE(w->Label25[33]->text(), QStringLiteral("Ohms"));
        QCOMPARE(w->Label25[36]->text(), QStringLiteral("Ohms"));
        QTest::mouseClick(w->Option1[0], Qt::LeftButton);
        QVERIFY(w->modeui);
        QCOMPARE(w->Label25[39]->text(), QStringLiteral("U:"));
        QCOMPARE(w->Label25[36]->text(), QStringLiteral("Volts"));
    }

    void decimalOption() {
        QVERIFY(w->Option2[1]->isEnabled());
        QTest::mouseClick(w->Option2[1], Qt::LeftButton);
        QVERIFY(!w->pointdec);
        QTest::mouseClick(w->Option2[0], Qt::LeftButton);
        QVERIFY(w->pointdec);
    }

    void resetButtons() {
        for (QLineEdit* f : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6})
            type(f, "42");
        w->Text9->setText("9");
        w->Text7->setText("7");
        QTest::mouseClick(w->Raz1, Qt::LeftButton);
        for (QLineEdit* f : {w->Text1, w->Text2, w->Text3, w->Text9, w->Text11, w->Text12})
            QCOMPARE(f->text(), QStringLiteral("1"));
        QCOMPARE(w->Text4->text(), QStringLiteral("42"));
        QTest::mouseClick(w->Raz2, Qt::LeftButton);
        for (QLineEdit* f : {w->Text4, w->Text5, w->Text6, w->Text7, w->Text8, w->Text10})
            QCOMPARE(f->text(), QStringLiteral("1"));
    }

    // What a person sees: every text fits its control with the fonts of this platform.
    void noTextIsClipped() {
        QStringList clipped;
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty()) continue;
            const QString why = clipping(c);
            if (!why.isEmpty()) clipped << c->objectName() + ": " + why;
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
    }

    // Qt's own texts are French as well, whatever the locale: a field's menu.
    void fieldMenuIsFrench() {
        const std::unique_ptr<QMenu> menu(w->Text1->createStandardContextMenu());
        QStringList texts;
        for (const QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text().section(u'\t', 0, 0).remove(u'&');
        QCOMPARE(texts, QStringList({"Annuler", "Rétablir", "Couper", "Copier", "Coller",
                                     "Supprimer", "Tout sélectionner"}));
    }

    // The values written over the zener schematic keep five characters and the
    // unit; a longer resistance widens its label within the picture, or shows its
    // beginning with the whole of it on hover.
    void schematicValuesFit() {
        type(w->Text26, "20");
        type(w->Text28, "12.75");
        type(w->Text27, "-9.25");
        for (QLabel* l : w->Timg) QVERIFY2(clipping(l).isEmpty(), qPrintable(l->text()));
        type(w->Text27, "99.75");
        w->Text26->setText("7e-13"); // pasted
        QCOMPARE(w->Timg[0]->text(), QStringLiteral("-1.24285714285714E+17"));
        QVERIFY2(clipping(w->Timg[0]).isEmpty(), qPrintable(clipping(w->Timg[0])));
        QVERIFY(w->Img[0]->rect().contains(w->Timg[0]->geometry()));
        w->Timg[0]->setFont(QFont(w->font().family(), 20)); // now wider than the picture
        w->Text26->setText("9e-13");
        QCOMPARE(w->Timg[0]->toolTip(), w->Timg[0]->text());
        QVERIFY(w->Img[0]->rect().contains(w->Timg[0]->geometry()));
    }

    // A result longer than its field shows how it begins, and all of it on hover,
    // after every write, also one that leaves its text as it was.
    void longResultsShowTheirBeginning() {
        w->Text2->setText("1e-9"); // pasted
        type(w->Text3, "2");
        type(w->Text1, "99999");
        QCOMPARE(w->Text11->text(), QStringLiteral("99999000000000"));
        QCOMPARE(w->Text11->toolTip(), w->Text11->text());
        QCOMPARE(w->Text11->cursorPosition(), 0);
        QVERIFY(w->Text9->toolTip().isEmpty()); // 0 fits
        type(w->Text3, "3"); // R = U / I written again, unchanged
        QCOMPARE(w->Text11->cursorPosition(), 0);
        const QString wide = QStringLiteral("-1.23456789012345E+300");
        for (QLineEdit* f : {w->Text7, w->Text8, w->Text9, w->Text10, w->Text11, w->Text12,
                             w->Text17, w->Text18, w->Text20, w->Text25, w->Text29, w->Text33,
                             w->Text35, w->valst_txt[0], w->valst_txt[1]}) {
            f->setText(wide);
            f->setText(wide);
            QVERIFY2(f->cursorPosition() == 0 && f->toolTip() == wide, qPrintable(f->objectName()));
        }
    }

private:
    static QColor textColourOf(const QWidget* c) { return c->palette().color(QPalette::Text); }

    static QString clipping(QWidget* c) {
        const QFontMetrics fm(c->font());
        auto tooWide = [](int need, int have) {
            return need > have ? QStringLiteral("needs %1 px, has %2").arg(need).arg(have)
                               : QString();
        };
        if (auto* l = qobject_cast<QLabel*>(c)) {
            if (l->text() == ".") return {}; // the points overlap their neighbours by design
            const QRect box = l->contentsRect();
            if (l->wordWrap()) {
                const QRect need = fm.boundingRect(box, Qt::TextWordWrap, l->text());
                return need.height() > box.height()
                           ? QStringLiteral("wrapped text needs %1 px high, has %2")
                                 .arg(need.height()).arg(box.height())
                           : QString();
            }
            if (fm.height() > box.height() + 2) return QStringLiteral("too low");
            return tooWide(fm.horizontalAdvance(l->text()), box.width());
        }
        if (auto* e = qobject_cast<QLineEdit*>(c))
            return tooWide(fm.horizontalAdvance(e->text()) + 8, e->width());
        if (auto* b = qobject_cast<QPushButton*>(c))
            return tooWide(fm.horizontalAdvance(b->text()) + 8, b->width());
        if (auto* b = qobject_cast<QAbstractButton*>(c)) // check box, option button
            return tooWide(b->sizeHint().width(), b->width());
        if (auto* g = qobject_cast<QGroupBox*>(c))
            return tooWide(fm.horizontalAdvance(g->title()) + 12, g->width());
        if (auto* box = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox opt;
            opt.initFrom(box);
            opt.editable = box->isEditable();
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                             QStyle::SC_ComboBoxEditField, box);
            int widest = 0;
            for (const QString& item : items(box))
                widest = std::max(widest, fm.horizontalAdvance(item));
            return tooWide(widest + 2, field.width());
        }
        if (auto* bar = qobject_cast<TabStrip*>(c)) {
            QFont bold = bar->font();
            bold.setBold(true);
            const QFontMetrics bfm(bold);
            for (int i = 0; i < bar->count(); ++i) {
                const QRect r = bar->tabRect(i);
                const bool turned = bar->shape() == QTabBar::RoundedWest;
                const int along = turned ? r.height() : r.width();
                const QString why = tooWide(bfm.horizontalAdvance(bar->tabText(i)) + 4, along);
                if (!why.isEmpty()) return bar->tabText(i) + ": " + why;
            }
        }
        return {};
    }
};

KIREL_TEST_MAIN(TestWindow)
#include "test_window.moc"
