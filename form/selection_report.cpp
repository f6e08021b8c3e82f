// SPDX-License-Identifier: MIT
// The report of the window: its values read as the handlers read them, and the chart's reasons.

#include "selection_report.h"

#include "fan_chart.h"
#include "layout.h"
#include "textnumber.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace form {
namespace {

const Control& described(Id id) {
    return controls()[static_cast<std::size_t>(id)];
}

std::string unitOf(Id id) {
    const Id unit = described(id).unit;
    return unit == Id::None ? std::string() : std::string(described(unit).text);
}

ReportLine lineOf(const Controls& window, Id id) {
    return {std::string(spokenName(described(id))), window.text(id), unitOf(id)};
}

ReportSection sectionOf(const Controls& window, std::string_view heading,
                        std::initializer_list<Id> ids) {
    ReportSection section{heading, {}};
    for (Id id : ids)
        section.lines.push_back(lineOf(window, id));
    return section;
}

float single(const Controls& window, Id id) {
    return textnumber::toSingle(textnumber::leadingNumber(window.text(id)));
}

std::string number(float value) {
    return textnumber::singleToText(value);
}

// A range of the chart said in the window's words: "Basınç ≤ 350", "1500 < Soğutma Havası
// İhtiyacı ≤ 2550", "Max. Çap ≥ 800".
std::string said(const selection::Range& range, Id of) {
    const std::string name(spokenName(described(of)));
    const bool low = std::isfinite(range.low);
    const bool high = std::isfinite(range.high);
    const std::string below = high ? (range.highIncluded ? " ≤ " : " < ") + number(range.high) : "";
    if (low && !high)
        return name + (range.lowIncluded ? " ≥ " : " > ") + number(range.low);
    return (low ? number(range.low) + (range.lowIncluded ? " ≤ " : " < ") : "") + name + below;
}

// Why the chart gave the fan it gave: the size class of the largest diameter, and the row whose
// air band and pressure condition held, or that none did.
ReportSection reasons(const Controls& window) {
    const selection::SizeClass& size = selection::sizeClassFor(single(window, Id::Label37));
    const auto next = static_cast<std::size_t>(&size - selection::kSizeClasses.data()) + 1;
    const selection::Range sizeRange{size.smallestDiameter, true,
                                     next < selection::kSizeClasses.size()
                                         ? selection::kSizeClasses[next].smallestDiameter
                                         : selection::kUnbounded,
                                     false};
    const std::string mm = unitOf(Id::Label37);
    ReportSection section{"Seçimin gerekçesi",
                          {{"Fan boyut sınıfı", std::to_string(size.millimetres), mm},
                           {"Boyut sınıfının koşulu", said(sizeRange, Id::Label37), mm}}};
    const selection::FanRow* row =
        selection::chartRowFor(size, single(window, Id::Text2), single(window, Id::Label40));
    if (!row) {
        section.lines.push_back({"Fan tablosu satırı", "uyan satır yok", ""});
        return section;
    }
    section.lines.push_back({"Fan tablosu satırı", std::to_string(row->number), ""});
    section.lines.push_back({"Hava bandı", said(row->air, Id::Text2), unitOf(Id::Text2)});
    section.lines.push_back(
        {"Basınç koşulu", said(row->pressure, Id::Label40), unitOf(Id::Label40)});
    return section;
}

ReportSection motor(const Controls& window) {
    int selected = 2;
    for (int option : {1, 0})
        if (window.isSelected(option))
            selected = option;
    const auto option = static_cast<Id>(static_cast<int>(Id::Option1_0) + selected);
    ReportSection section{"Fan motoru",
                          {{"Devir sınıfı", std::string(described(option).text), "d/dk"},
                           {std::string(spokenName(described(option))), window.text(option), ""}}};
    for (Id id : {Id::Combo3, Id::Label19, Id::Label14, Id::Label21})
        section.lines.push_back(lineOf(window, id));
    return section;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A line's value and unit as they are read: "sonuç yok", with no unit, where the window is empty.
std::array<std::string, 2> valueAndUnit(const ReportLine& line) {
    if (line.value.empty())
        return {std::string(kNoResult), ""};
    return {line.value, line.unit};
}

} // namespace

Report reportOf(const Controls& window) {
    Report report{std::string(form::window().title),
                  window.text(Id::Label15),
                  !window.text(Id::Label1).empty(),
                  {}};
    while (!report.title.empty() && report.title.front() == ' ')
        report.title.erase(0, 1);
    report.sections.push_back(sectionOf(
        window, "Girdiler", {Id::Combo1, Id::Combo2, Id::Text2, Id::Label40, Id::Label37}));
    report.sections.push_back(sectionOf(
        window, "Fan",
        {Id::Label8, Id::Label1, Id::Label11, Id::Label35, Id::Label26, Id::Label18, Id::Label31}));
    report.sections.push_back(motor(window));
    if (report.calculated)
        report.sections.push_back(reasons(window));
    return report;
}

std::string plainText(const Report& report) {
    std::string text;
    const auto line = [&text](std::initializer_list<std::string_view> parts) {
        for (std::string_view part : parts)
            text += part;
        text += '\n';
    };
    line({report.title});
    line({report.version});
    if (!report.calculated)
        line({kNotCalculated});
    for (const ReportSection& section : report.sections) {
        line({});
        line({section.heading});
        for (const ReportLine& each : section.lines) {
            const auto [value, unit] = valueAndUnit(each);
            line({each.caption, "\t", value, "\t", unit});
        }
    }
    return text;
}

std::string html(const Report& report) {
    std::string text;
    // Literal markup as it stands, and text escaped.
    const auto add = [&text](std::initializer_list<std::string_view> parts) {
        bool markup = true;
        for (std::string_view part : parts) {
            text += markup ? std::string(part) : escaped(part);
            markup = !markup;
        }
    };
    add({"<!DOCTYPE html>\n<html lang=\"tr\"><head><meta charset=\"utf-8\"><title>", report.title,
         "</title></head><body>\n<h1>", report.title, "</h1>\n<p>", report.version, "</p>\n"});
    if (!report.calculated)
        add({"<p>", kNotCalculated, "</p>\n"});
    add({"<table>\n"});
    for (const ReportSection& section : report.sections) {
        add({"<tr><th colspan=\"3\">", section.heading, "</th></tr>\n"});
        for (const ReportLine& each : section.lines) {
            const auto [value, unit] = valueAndUnit(each);
            add({"<tr><td>", each.caption, "</td><td>", value, "</td><td>", unit, "</td></tr>\n"});
        }
    }
    add({"</table>\n</body></html>\n"});
    return text;
}

std::string fileName(const Report& report) {
    // The letters, digits and the point of a value; anything else could not stand in a name.
    const auto kept = [](std::string_view value) {
        std::string out;
        for (char c : value)
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                c == '.')
                out += c;
        while (!out.empty() && out.front() == '.')
            out.erase(0, 1);
        return out;
    };
    std::string name = "Fan seçimi";
    const ReportLine& power = report.sections[0].lines[0];
    if (const std::string p = kept(power.value); !p.empty())
        name.append(" ").append(p).append(" ").append(power.unit);
    if (const std::string type = kept(report.sections[1].lines[0].value); !type.empty())
        name.append(" ").append(type);
    return name + ".pdf";
}

} // namespace form
