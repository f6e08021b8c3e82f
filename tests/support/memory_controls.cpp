// SPDX-License-Identifier: MIT
#include "memory_controls.h"

#include "layout.h"

#include <sstream>
#include <stdexcept>

using form::Id;

form::Id controlNamed(std::string_view name) {
    for (int i = 0; i <= static_cast<int>(Id::Option1); ++i)
        if (form::nameOf(static_cast<Id>(i)) == name && form::optionIndex(static_cast<Id>(i)) < 0)
            return static_cast<Id>(i);
    throw std::invalid_argument("no control named " + std::string(name));
}

MemoryControls::MemoryControls() : selected_(form::window().optionSelectedAtStart) {
    for (const form::Control& control : form::controls())
        texts_[static_cast<std::size_t>(control.id)] = control.text;
    fire(Id::Form1);
}

void MemoryControls::act(std::string_view acts) {
    writes.clear();
    std::istringstream words{std::string(acts)};
    for (std::string word; words >> word;) {
        const std::size_t mark = word.find_first_of("=<");
        const Id control = controlNamed(word.substr(0, mark));
        const std::string value = mark == std::string::npos ? "" : word.substr(mark + 1);
        if (mark == std::string::npos) {
            fire(control);
        } else if (word[mark] == '=') {
            texts_[static_cast<std::size_t>(control)] = value;
        } else if (control == Id::Option1) {
            selected_ = std::stoi(value);
            fire(control, selected_);
        } else {
            texts_[static_cast<std::size_t>(control)] = value;
            fire(control);
        }
    }
}

void MemoryControls::fire(Id control, int index) {
    for (const form::Wire& wire : form::wiring())
        if (wire.control == control)
            form.run(wire.handler, index);
}

std::string MemoryControls::shown(std::string_view name) const {
    if (name == "selected")
        return std::to_string(selected_);
    if (name.starts_with("Option1(")) {
        const int index = name[8] - '0';
        return texts_[static_cast<std::size_t>(Id::Option1_0) + static_cast<std::size_t>(index)];
    }
    return text(controlNamed(name));
}

std::string MemoryControls::text(Id control) const {
    return texts_[static_cast<std::size_t>(control)];
}

void MemoryControls::setText(Id control, std::string_view text) {
    texts_[static_cast<std::size_t>(control)] = text;
    writes.push_back(std::string(form::nameOf(control)) + "=" + std::string(text));
}

void MemoryControls::clear(Id result) {
    texts_[static_cast<std::size_t>(result)].clear();
    writes.push_back("clear " + std::string(form::nameOf(result)));
}

void MemoryControls::append(Id list, std::string_view item) {
    items[static_cast<std::size_t>(list)].emplace_back(item);
}

void MemoryControls::select(int option) {
    selected_ = option;
    writes.push_back("select " + std::to_string(option));
    if (clickOnSelect)
        fire(Id::Option1, option);
}

void MemoryControls::setCaption(int option, std::string_view caption) {
    texts_[static_cast<std::size_t>(Id::Option1_0) + static_cast<std::size_t>(option)] = caption;
    writes.push_back("Option1(" + std::to_string(option) + ")=" + std::string(caption));
}
