// SPDX-License-Identifier: MIT
// Start-up, exit, and what every handler reads its numbers with.

#include "form.h"

#include "textnumber.h"

namespace form {

void Form1::run(Handler handler, int index) {
    switch (handler) {
    case Handler::Form_Load:
        return Form_Load();
    case Handler::Combo1_Click:
        return Combo1_Click();
    case Handler::Combo2_Click:
        return Combo2_Click();
    case Handler::Combo3_Click:
        return Combo3_Click();
    case Handler::Option1_Click:
        return Option1_Click(index);
    case Handler::Command1_Click:
        return Command1_Click();
    case Handler::Command3_Click:
        return Command3_Click();
    }
}

void Form1::Form_Load() {
    // The lists get their items; the first two fields are emptied, the motor power's is left as
    // it is (empty).
    for (Id list : {Id::Combo1, Id::Combo2, Id::Combo3}) {
        for (std::string_view item : items(list))
            controls_.append(list, item);
        if (list != Id::Combo3)
            controls_.setText(list, {});
    }
}

void Form1::Command3_Click() {
    // Ends the program at once; nothing is asked.
    controls_.end();
}

double Form1::number(Id control) const {
    return textnumber::leadingNumber(controls_.text(control));
}

float Form1::single(Id control) const {
    return textnumber::toSingle(number(control));
}

int Form1::selectedSpeedClass() const {
    if (controls_.isSelected(0))
        return 0;
    if (controls_.isSelected(1))
        return 1;
    return 2;
}

} // namespace form
