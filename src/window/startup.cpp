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

void Base::Form_Load() {
    help_->start();

    for (QWidget* p : Picture1) p->hide();
    Picture1[Bases]->show();
    led_->start(kMaxLength);
    zener_->start(kMaxLength);
    resis_->start();
    bases_->start(kMaxLength);
    trans_->start(kMaxLength);

    // Each list is filled silently, then given its start index so that its
    // rule runs once: a rule raised early sees the lists filled after it empty.
    resis_->fillBandLists();
    zener_->fillLists();
    resis_->fillFinderLists();
}
