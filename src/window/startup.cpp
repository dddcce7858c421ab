// Start-up: what the window shows before the user touches anything.

#include "tabs/bases.h"
#include "tabs/help.h"
#include "tabs/led.h"
#include "tabs/resis.h"
#include "tabs/trans.h"
#include "tabs/zener.h"
#include "window/base.h"

namespace {
constexpr int kMaxLength = 5; // characters of a numeric input field
}

// What the first paint shows: the "Bases" tab, started.
void Base::startShown() {
    for (QWidget* p : Picture1) p->hide();
    Picture1[Bases]->show();
    bases_->start(kMaxLength);
}

// The other tabs, once built. The decimal separator chosen on "Bases" is read
// here: the zener tab did not exist yet when "Bases" chose it.
void Base::startHidden() {
    help_->start();
    led_->start(kMaxLength);
    zener_->start(kMaxLength);
    zener_->setPointDecimal(bases_->pointChosen());
    resis_->start();
    trans_->start(kMaxLength);

    // Each list is filled silently, then given its start index so that its
    // rule runs once: a rule raised early sees the lists filled after it empty.
    resis_->fillBandLists();
    zener_->fillLists();
    resis_->fillFinderLists();
}
