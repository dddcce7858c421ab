// Start-up: what the window shows before the user touches anything.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "window/base.h"

namespace {
const QStringList kDigitColours{"Noir",  "Marron", "Rouge",  "Orange", "Jaune",
                                "Vert",  "Bleu",   "Violet", "Gris",   "Blanc"};

// Fills a list silently, then gives it its start index so that its handler
// runs once, with the lists filled after it still empty.
void fill(QComboBox* list, const QStringList& items, int start) {
    {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(-1);
    }
    list->setCurrentIndex(start);
}
} // namespace

void Base::Form_Load() {
    lblVersion->setText(QStringLiteral("V1.03"));
    maxcar = 5;
    facaff = QStringLiteral("1");

    for (QWidget* p : Picture1) p->hide();
    Picture1[0]->show();
    Picture2[0]->show();
    Picture2[1]->hide();

    zdok->hide();
    zdm->hide();

    for (cpt = 0; cpt <= 2; ++cpt) {
        Linel[cpt]->hide();
        Linelp[cpt]->hide();
        val_lbl[cpt + 3]->hide();
    }

    Option1[0]->setChecked(true);
    Option2[0]->setChecked(true);
    modeui = true;
    pointdec = true;

    for (QLineEdit* f : {cms1, cms2, cms3}) f->setMaxLength(1);
    for (QLineEdit* f : {Text1, Text2, Text3, Text4, Text5, Text6, Text13, Text14, Text15, Text16,
                         Text21, Text22, Text23, Text24, Text31, Text34, Text32, Text28, Text27,
                         Text26, Valpro_txt})
        f->setMaxLength(maxcar);

    const QStringList series{"E24", "E48", "E96"};
    const QStringList digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    const struct {
        QComboBox* list;
        QStringList items;
        int start;
    } lists[] = {
        {Combo1, {"Déterminer", "4 anneaux", "5 anneaux", "CMS/SMD"}, 0},
        {Combo2, kDigitColours.mid(1), 0},
        {Combo3, kDigitColours, 0},
        {Combo4, kDigitColours, 0},
        {Combo5, {"Argent", "Or", "Noir", "Marron", "Rouge", "Vert", "Bleu", "Violet", "Gris"}, 1},
        {Combo6, QStringList{"Argent", "Or"} + kDigitColours, 2},
        {Combo7[0], series, 0},
        {Combo7[1], series, 0},
        {Combo8, digits.mid(1), 0},
        {Combo9, digits, 0},
        {Combo10, digits, 0},
        {Combo11,
         {"x0.01", "x0.1", "x1", "x10", "x100", "x1k", "x10k", "x100k", "x1M", "x10M"},
         2},
        {Combo12, {"20%", "10%", "5%", "2%", "1%", "0.5%", "0.25%", "0.1%", "0.05%"}, 2},
    };
    // Every list is emptied first: a handler raised early sees the later lists empty.
    for (const auto& l : lists) {
        const QSignalBlocker quiet(l.list);
        l.list->clear();
    }
    for (const auto& l : lists) fill(l.list, l.items, l.start);
}
