// Temporary definitions until the "Résis" tab and the calculators land.
#include "window/base.h"
void Base::connectCodes() {}
void Base::Combo1_Click() {}
void Base::bandDigit_Click(QComboBox*) {}
void Base::Combo6_Click() {}
void Base::Combo5_Click() {}
void Base::Combo12_Click() {}
void Base::cms_Change(QLineEdit*) {}
void Base::Check1_Click() {}
void Base::calculr() {}
void Base::affres() {}
