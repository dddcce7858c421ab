// The "???" tab: title, web address, version and three short texts.

#include "tabs/help.h"

#include <QGroupBox>
#include <QLabel>

#include "kit/build.h"
#include "kit/controls.h"

using namespace build;

QString HelpTab::webAddress() { return QStringLiteral("https://www.kirel.example.org/"); }

// The version as the build defines it: "1.0.3" shows "V1.03".
void HelpTab::start() {
    QString v = QStringLiteral(KIREL_VERSION);
    const qsizetype second = v.indexOf(u'.', v.indexOf(u'.') + 1);
    if (second > 0) v.remove(second, 1);
    lblVersion->setText(u'V' + v);
}

HelpTab::HelpTab(QWidget* p) {
    Label25[59] = label(p, "Label25[59]", "Aide", twRect(120, 90, 900, 270), titleLook());
    QString address = webAddress();
    address.chop(1);
    Label10 = label(p, "Label10", address, twRect(1440, 90, 2415, 270),
                    Look{0, false, false, {}, Qt::AlignCenter});
    lblVersion = label(
        p, "lblVersion", "V1.00", twRect(4470, 90, 510, 270),
        Look{9.75, false, false, {}, Qt::AlignRight | Qt::AlignVCenter, false, "Liberation Sans"});

    const struct {
        QGroupBox** frame;
        const char* frameId;
        const char* title;
        int top, height; // twips
        QLabel** text;
        const char* textId;
        const char* body;
    } frames[] = {
        {K(Frame1[1]), "Général", 360, 1215, K(Label25[61]),
         "Sélectionnez dans l'onglet base si vous désirez le point ou la virgule comme "
         "séparateur décimal. Le point est choisi par défaut. Attention que si vous vous "
         "trompez, celà influe sur les calculs!"},
        {K(Frame1[0]), "Bases", 1560, 855, K(Label25[60]),
         "Indiquez les 2 valeurs connues, le programme se charge de calculer la dernière en "
         "respectant la loi d'Ohm. "},
        {K(Frame1[2]), "Résistances", 2400, 1215, K(Label25[62]),
         "Déterminez la valeur d'une résistance depuis son code couleur ou son marquage (CMS). "
         "Sélectionnez la valeur de la résistance souhaitée, le programme affiche son code "
         "couleur. Si la valeur est entourée en rouge, la valeur n'est pas standart."},
    };
    // The texts fill their frame below its caption, in a slightly smaller type
    // so that the longest one keeps its last line.
    Look wrapped;
    wrapped.points = 7.5;
    wrapped.wrap = true;
    wrapped.align = Qt::AlignLeft | Qt::AlignTop;
    for (const auto& f : frames) {
        *f.frame =
            frame(p, f.frameId, QString::fromUtf8(f.title), twRect(120, f.top, 4695, f.height));
        *f.text = label(*f.frame, f.textId, QString::fromUtf8(f.body),
                        twRect(120, 270, 4455, f.height - 315), wrapped);
    }
}
