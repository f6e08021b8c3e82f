// SPDX-License-Identifier: MIT
#include "layout.h"

#include <algorithm>

#include <array>

namespace form {
namespace {

constexpr std::string_view kAirTooltip = "1.113 kg/m3 (45)";
using enum Id;
using enum Kind;

// clang-format off
constexpr std::array<Control, kControlCount> kControls{{
    // Cooler input rows: compressor power, cooler rating and what follows from them.
    {Label7,  Caption, "Kompresör Gücü =",          {120, 240, 1335, 255},  7},
    {Combo1,  List,    "",                          {1680, 240, 855, 315},  15, {}, Label7, Label22},
    {Label22, Unit,    "kW",                        {2640, 240, 375, 255},  13},
    {Label2,  Caption, "Soğutma Havası İhtiyacı =", {3120, 240, 1935, 255}, 0},
    {Text2,   TextBox, "",                          {5160, 240, 735, 285},  1, kAirTooltip, Label2, Label5},
    {Label5,  Unit,    "kg/h",                      {6000, 240, 615, 255},  2},
    {Label9,  Caption, "Soğutucu Gücü =",           {120, 720, 1335, 375},  8},
    {Combo2,  List,    "",                          {1680, 720, 855, 315},  16, {}, Label9, Label25},
    {Label25, Unit,    "kW",                        {2640, 720, 375, 255},  14},
    {Label41, Caption, "Basınç =",                  {3120, 720, 735, 255},  22},
    {Label40, Value,   "",                          {3840, 720, 495, 285},  23, {}, Label41, Label42},
    {Label42, Unit,    "Pa",                        {4440, 720, 375, 255},  21},
    {Label38, Caption, "Max. Çap =",                {4920, 720, 855, 255},  49},
    {Label37, Value,   "",                          {5880, 720, 405, 285},  48, {}, Label38, Label39},
    {Label39, Unit,    "mm",                        {6360, 720, 375, 255},  50},
    // The separator, from (120, 1200) to (6720, 1200).
    {Line1,   Line,    "",                          {120, 1200, 6600, 15},  -1},
    // Fan motor input row: motor power and speed class.
    {Label10, Caption, "Fan Motoru Gücü =",         {120, 1320, 1455, 255}, 9},
    {Combo3,  List,    "",                          {1680, 1320, 855, 315}, 17, {}, Label10},
    {Label6,  Caption, "Fan d/dk =",                {3000, 1380, 855, 255}, 3, "ContiTech MultiRib"},
    {Option1_0, Option, "3000",                     {3960, 1320, 735, 375}, 4, {}, Label6},
    {Option1_1, Option, "1500",                     {4800, 1320, 735, 375}, 5, {}, Label6},
    {Option1_2, Option, "1000",                     {5640, 1320, 735, 375}, 6, {}, Label6},
    // Result rows and buttons.
    {Label13, Caption, "Fan Tipi =",                {120, 1920, 855, 255},  30},
    {Label8,  Value,   "",                          {960, 1920, 495, 285},  29, {}, Label13},
    {Label3,  Caption, "Fan Çapı =",                {1680, 1920, 855, 255}, 25},
    {Label1,  Value,   "",                          {2520, 1920, 615, 285}, 24, {}, Label3, Label4},
    {Label4,  Unit,    "mm",                        {3240, 1920, 375, 255}, 26},
    {Label12, Caption, "Kanat Sayısı =",            {3600, 1920, 1095, 255}, 28},
    {Label11, Value,   "",                          {4680, 1920, 375, 285}, 27, {}, Label12},
    {Label34, Caption, "Açı =",                     {5280, 1920, 375, 255}, 19},
    {Label35, Value,   "",                          {5760, 1920, 375, 285}, 20, {}, Label34, Label33},
    {Label33, Unit,    "derece",                    {6220, 1920, 495, 255}, 18},
    {Label28, Caption, "Fan Gücü =",                {120, 2400, 975, 255},  41},
    {Label26, Value,   "",                          {1080, 2400, 495, 285}, 39, {}, Label28, Label27},
    {Label27, Unit,    "kW",                        {1680, 2400, 255, 255}, 40},
    {Label30, Caption, "Fan Debisi =",              {2280, 2400, 975, 255}, 44},
    {Label18, Value,   "",                          {3240, 2400, 615, 285}, 42, kAirTooltip, Label30, Label29},
    {Label29, Unit,    "m3/h",                      {3960, 2400, 495, 255}, 43},
    {Label36, Caption, "Basınç =",                  {4800, 2400, 615, 255}, 47},
    {Label31, Value,   "",                          {5520, 2400, 495, 285}, 45, "Statik", Label36, Label32},
    {Label32, Unit,    "Pa",                        {6120, 2420, 375, 255}, 46},
    {Label16, Caption, "Fan Motoru  Mil Çapı =",    {120, 2880, 1695, 255}, 32},
    {Label14, Value,   "",                          {1920, 2880, 375, 285}, 31, {}, Label16, Label17},
    {Label17, Unit,    "mm",                        {2400, 2880, 495, 255}, 33},
    {Command1, Button, "Hesapla",                   {3840, 3000, 1215, 375}, 10},
    {Command3, Button, "Çıkış",                     {5280, 3000, 1215, 375}, 11},
    {Label20, Caption, "Fan Motor Tipi =",          {120, 3240, 1335, 255}, 35},
    {Label19, Value,   "",                          {1920, 3240, 735, 285}, 34, {}, Label20},
    {Label23, Caption, "Fan Motoru Akımı (Max) =",  {120, 3600, 1815, 255}, 37},
    {Label21, Value,   "",                          {2040, 3600, 400, 285}, 36, {}, Label23, Label24},
    {Label24, Unit,    "A",                         {2530, 3630, 255, 255}, 38},
    {Label15, Credit,  "Sürüm " FANSEL_VERSION " - yerleşik tablolar", {3960, 3600, 2535, 255}, 12},
}};

constexpr std::array<std::string_view, kControlCount + 2> kNames{
    "Label7", "Combo1", "Label22", "Label2", "Text2", "Label5",
    "Label9", "Combo2", "Label25", "Label41", "Label40", "Label42", "Label38", "Label37", "Label39",
    "Line1",
    "Label10", "Combo3", "Label6", "Option1", "Option1", "Option1",
    "Label13", "Label8", "Label3", "Label1", "Label4", "Label12", "Label11", "Label34", "Label35",
    "Label33", "Label28", "Label26", "Label27", "Label30", "Label18", "Label29", "Label36",
    "Label31", "Label32", "Label16", "Label14", "Label17", "Command1", "Command3", "Label20",
    "Label19", "Label23", "Label21", "Label24", "Label15",
    "Form1", "Option1"};

// Items of the three lists, in the order they are shown; "." is the decimal point.
constexpr std::array<std::string_view, 13> kCompressorPowers{
    "7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75", "90", "110", "132"};
constexpr std::array<std::string_view, 9> kCoolerRatings{
    "15", "22", "37", "45", "55", "75", "90", "110", "132"};
constexpr std::array<std::string_view, 10> kMotorPowers{
    "0.18", "0.25", "0.37", "0.55", "0.75", "1.1", "1.5", "2.2", "3", "4"};

constexpr std::array<Wire, 7> kWiring{{
    {Form1,    Event::Load,  Handler::Form_Load},
    {Combo1,   Event::Pick,  Handler::Combo1_Click},
    {Combo2,   Event::Pick,  Handler::Combo2_Click},
    {Combo3,   Event::Pick,  Handler::Combo3_Click},
    {Option1,  Event::Click, Handler::Option1_Click},
    {Command1, Event::Click, Handler::Command1_Click},
    {Command3, Event::Click, Handler::Command3_Click},
}};
// clang-format on

constexpr Window kWindow{
    " Vidalı Kompresör Soğutucu Fan Seçim Programı", {0, 0, 6825, 4035}, 5, Text2, 1};

constexpr bool inCreationOrder() {
    for (int i = 0; i < kControlCount; ++i)
        if (kControls[static_cast<std::size_t>(i)].id != static_cast<Id>(i))
            return false;
    return true;
}
static_assert(inCreationOrder(), "the table lists every control once, in the order of Id");

} // namespace

std::string_view nameOf(Id id) noexcept {
    const auto index = static_cast<std::size_t>(id);
    return index < kNames.size() ? kNames[index] : std::string_view();
}

int roomAfter(const Control& label) noexcept {
    const int left = pixels(label.at.left);
    const int top = pixels(label.at.top);
    const int bottom = top + pixels(label.at.height) - 1;
    int next = pixels(kWindow.clientArea.width);
    for (const Control& other : kControls) {
        const int otherTop = pixels(other.at.top);
        if (other.kind != Kind::Line && pixels(other.at.left) > left && otherTop <= bottom &&
            otherTop + pixels(other.at.height) - 1 >= top)
            next = std::min(next, pixels(other.at.left));
    }
    return next - left;
}

std::string_view spokenName(const Control& control) noexcept {
    const auto caption = static_cast<std::size_t>(control.caption);
    if (caption >= kControls.size())
        return {};
    std::string_view text = kControls[caption].text;
    if (text.ends_with(" ="))
        text.remove_suffix(2);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int optionIndex(Id id) noexcept {
    return id >= Option1_0 && id <= Option1_2 ? static_cast<int>(id) - static_cast<int>(Option1_0)
                                              : -1;
}

std::span<const Control> controls() noexcept {
    return kControls;
}

const Window& window() noexcept {
    return kWindow;
}

std::span<const std::string_view> items(Id list) noexcept {
    switch (list) {
    case Combo1:
        return kCompressorPowers;
    case Combo2:
        return kCoolerRatings;
    case Combo3:
        return kMotorPowers;
    default:
        return {};
    }
}

std::span<const Wire> wiring() noexcept {
    return kWiring;
}

} // namespace form
