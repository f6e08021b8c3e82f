// SPDX-License-Identifier: MIT
// The program in the browser, the folder web/: built with emscripten from the same rules and
// description into one self-contained HTML file. Here the window's description is handed to the
// page as JSON (json.h), the handlers run for the page's events, the report of the selection is
// made for the page's actions, and the controls' interface goes over the page's elements; page.js builds the browser's own controls at their places and
// implements the interface with them, combobox.js is its editable list, and shell.html holds the
// styles and the policy that forbids every request.

#include "form.h"
#include "json.h"
#include "layout.h"
#include "selection_report.h"

#include <emscripten.h>

#include <array>
#include <cstdlib>
#include <string>

// clang-format off
EM_JS(char*, page_text, (int control), {
    const text = Page.text(control);
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, page_set_text, (int control, const char* text, int length), {
    Page.setText(control, UTF8ToString(text, length));
});
EM_JS(void, page_clear, (int control), { Page.setText(control, ""); });
EM_JS(void, page_append, (int list, const char* item, int length), {
    Page.append(list, UTF8ToString(item, length));
});
EM_JS(int, page_is_selected, (int option), { return Page.isSelected(option) ? 1 : 0; });
EM_JS(void, page_select, (int option), { Page.select(option); });
EM_JS(void, page_set_caption, (int option, const char* caption, int length), {
    Page.setCaption(option, UTF8ToString(caption, length));
});
EM_JS(void, page_end, (), { Page.end(); });
// clang-format on

namespace {

int number(form::Id id) {
    return static_cast<int>(id);
}

class PageControls final : public form::Controls {
public:
    std::string text(form::Id control) const override {
        char* shown = page_text(number(control));
        std::string copy(shown);
        std::free(shown);
        return copy;
    }
    void setText(form::Id control, std::string_view text) override {
        page_set_text(number(control), text.data(), static_cast<int>(text.size()));
    }
    void clear(form::Id result) override { page_clear(number(result)); }
    void append(form::Id list, std::string_view item) override {
        page_append(number(list), item.data(), static_cast<int>(item.size()));
    }
    bool isSelected(int option) const override { return page_is_selected(option) != 0; }
    void select(int option) override { page_select(option); }
    void setCaption(int option, std::string_view caption) override {
        page_set_caption(option, caption.data(), static_cast<int>(caption.size()));
    }
    void end() override { page_end(); }
};

PageControls controls;
form::Form1 handlers{controls};

// The names of the kinds of control and of the events, in the order of their enumerations.
constexpr std::array<std::string_view, 9> kKinds{"Caption", "Unit",   "Credit", "Value", "List",
                                                 "TextBox", "Option", "Button", "Line"};
constexpr std::array<std::string_view, 3> kEvents{"Load", "Pick", "Click"};

std::string describe() {
    std::string json = "{\"controls\":[";
    // A comma before every element of a list but its first.
    const auto comma = [&json](char open) {
        if (json.back() != open)
            json += ',';
    };
    for (const form::Control& c : form::controls()) {
        comma('[');
        json += "{\"id\":" + std::to_string(number(c.id)) +
                ",\"name\":" + jsonString(form::nameOf(c.id)) +
                ",\"index\":" + std::to_string(form::optionIndex(c.id)) +
                ",\"kind\":" + jsonString(kKinds[static_cast<std::size_t>(c.kind)]) +
                ",\"text\":" + jsonString(c.text) + ",\"at\":[" + std::to_string(c.at.left) + ',' +
                std::to_string(c.at.top) + ',' + std::to_string(c.at.width) + ',' +
                std::to_string(c.at.height) + "],\"tab\":" + std::to_string(c.tab) +
                ",\"tooltip\":" + jsonString(c.tooltip) +
                ",\"spoken\":" + jsonString(form::spokenName(c)) +
                ",\"room\":" + std::to_string(form::roomAfter(c)) +
                ",\"caption\":" + std::to_string(number(c.caption)) +
                ",\"unit\":" + std::to_string(number(c.unit)) + ",\"items\":[";
        const auto items = form::items(c.id);
        for (std::size_t i = 0; i < items.size(); ++i)
            json += (i ? "," : "") + jsonString(items[i]);
        json += "]}";
    }
    const form::Window& w = form::window();
    json += "],\"title\":" + jsonString(w.title) + ",\"client\":[" +
            std::to_string(w.clientArea.width) + ',' + std::to_string(w.clientArea.height) +
            "],\"maxLength\":" + std::to_string(w.textBoxMaxLength) +
            ",\"focus\":" + std::to_string(number(w.focusAtStart)) +
            ",\"selected\":" + std::to_string(w.optionSelectedAtStart) +
            ",\"none\":" + std::to_string(number(form::Id::None)) +
            ",\"optionGroup\":" + std::to_string(number(form::Id::Option1)) + ",\"wiring\":[";
    for (const form::Wire& wire : form::wiring()) {
        comma('[');
        json += "{\"control\":" + std::to_string(number(wire.control)) +
                ",\"event\":" + jsonString(kEvents[static_cast<std::size_t>(wire.event)]) +
                ",\"handler\":" + std::to_string(static_cast<int>(wire.handler)) + "}";
    }
    return json + "]}";
}

} // namespace

extern "C" {

// The window's description, as JSON.
EMSCRIPTEN_KEEPALIVE const char* fan_layout() {
    static const std::string json = describe();
    return json.c_str();
}

// Runs the handler the wiring names for an event of the page; index: the option clicked.
EMSCRIPTEN_KEEPALIVE void fan_run(int handler, int index) {
    handlers.run(static_cast<form::Handler>(handler), index);
}

// The report of the page as it stands: 0 its plain text, 1 its HTML, 2 the datasheet's file name.
// Valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* fan_report(int kind) {
    static std::string text;
    const form::Report report = form::reportOf(controls);
    text = kind == 0 ? form::plainText(report)
                     : kind == 1 ? form::html(report) : form::fileName(report);
    return text.c_str();
}
}
