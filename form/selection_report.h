// SPDX-License-Identifier: MIT
#pragma once
// The selection as a report, described once for every toolkit: what the window shows at that
// moment, read as the handlers read it, each value with the caption and unit the window shows
// beside it, and why the chart gave that fan. Copied (plain text and HTML), printed, saved as a
// datasheet or linked, it is the same report everywhere.

#include "controls.h"

#include <string>
#include <string_view>
#include <vector>

namespace form {

struct ReportLine {
    std::string caption; // the window's caption, without " ="
    std::string value;   // what the window shows; "" where it shows nothing
    std::string unit;    // the window's unit beside it; "" where it has none
};

struct ReportSection {
    std::string_view heading;
    std::vector<ReportLine> lines;
};

struct Report {
    std::string title;                   // the window's title
    std::string version;                 // the credit line, "Sürüm …"
    bool calculated;                     // false before "Hesapla": the fan diameter is still empty
    std::vector<ReportSection> sections; // inputs, fan, motor; once calculated, why
};

// Said of a value the window shows empty, and of a report before "Hesapla".
inline constexpr std::string_view kNoResult = "sonuç yok";
inline constexpr std::string_view kNotCalculated = "Henüz hesaplanmadı (\"Hesapla\" basılmadı).";

// The report of the window as it stands.
Report reportOf(const Controls& window);

// One line a text; a value's line holds caption, value and unit parted by tabs, so that it
// pastes into a spreadsheet as three columns. Lines end in "\n".
std::string plainText(const Report& report);
// The same as an HTML document: a heading and one table, for a mail, a document or a datasheet.
std::string html(const Report& report);
// A file name for the datasheet, from the compressor power and the fan type: "Fan seçimi 132 kW
// 4ZL.pdf"; what is missing or could not stand in a file name is left out.
std::string fileName(const Report& report);

} // namespace form
