#include "calc/steps.h"

#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "window/controls.h"

namespace calc {

Num leading(const QLineEdit* field) {
    return numbers::finite(numbers::fieldNumber(field->text()));
}

Num inLocale(const QLineEdit* field) { return numbers::localeNumber(field->text()); }

namespace {
template <class Op>
Num apply(Num a, Num b, Op op) {
    if (!a || !b) return std::nullopt;
    return numbers::finite(op(*a, *b));
}
} // namespace

Num operator+(Num a, Num b) { return apply(a, b, [](double x, double y) { return x + y; }); }
Num operator-(Num a, Num b) { return apply(a, b, [](double x, double y) { return x - y; }); }
Num operator*(Num a, Num b) { return apply(a, b, [](double x, double y) { return x * y; }); }
Num operator/(Num a, Num b) { return apply(a, b, [](double x, double y) { return x / y; }); }

Num squareRoot(Num a) {
    if (!a) return std::nullopt;
    return numbers::finite(std::sqrt(*a)); // NaN below 0
}

void write(QLineEdit* field, Num v) {
    if (v) field->setText(numbers::writeNumber(*v));
}

void write(NoteLabel* note, Num v) {
    if (v) note->setNote(numbers::writeNumber(*v));
}

void write(QString& text, Num v) {
    if (v) text = numbers::writeNumber(*v);
}

void repairToOne(QLineEdit* field) {
    field->setText(QStringLiteral("1"));
    field->setSelection(0, 1);
}

void showLedError(QLabel* message, const std::array<Segment*, 3>& bracket, bool on) {
    message->setText(on ? QStringLiteral("Erreur: diminuer le nombre de leds!") : QString());
    for (Segment* line : bracket) line->setVisible(on);
}

} // namespace calc
