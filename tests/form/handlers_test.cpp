// SPDX-License-Identifier: MIT
// The handlers over the tables, on the window's controls in plain memory: what each pick, click
// and calculation leaves shown, and what it writes, in which order. No toolkit.

#include "facts.h"
#include "memory_controls.h"
#include "textnumber.h"
#include "turkish_locale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <limits>
#include <sstream>

namespace {

// A person's acts, then what the window shows: "Combo2:37 Text2:6000" ("Text2:" is empty).
struct Case {
    const char* acts;
    const char* shown;
};

void expectShown(const MemoryControls& window, std::string_view expected) {
    std::istringstream words{std::string(expected)};
    for (std::string word; words >> word;) {
        const std::size_t colon = word.find(':');
        EXPECT_EQ(window.shown(word.substr(0, colon)), word.substr(colon + 1)) << word;
    }
}

// Each case in a fresh window: its acts in turn, then what it shows.
void expectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.acts);
        MemoryControls window;
        window.act(c.acts);
        expectShown(window, c.shown);
    }
}

TEST(Handlers, TheCoolingAirTableFillsTheThreeValues) {
    expectCases({
        {"Combo1<37", "Combo2:37 Text2:6000 Label40:190 Label37:500"},
        {"Combo1=7.5 Combo2<15", "Text2:1500 Label40:60 Label37:350"},
        {"Combo1<22 Combo2<37", "Combo2:37 Text2:4100 Label40:90 Label37:500"},
        {"Combo1<22 Combo1<7.5", "Combo2:7.5 Text2: Label40: Label37:400"},
        {"Combo1<22 Combo1<11", "Combo2:11 Text2: Label40: Label37:400"},
        {"Combo2<90 Combo1<30", "Combo2:30 Text2:5000 Label40: Label37:500"},
        {"Combo1<132", "Label40:350"},
        {"Combo1<110 Combo2<132", "Label40:220"},
        {"Combo1<45 Combo1<18.5", "Combo2:18.5 Text2: Label40:250 Label37:630"},
        {"Combo1<45 Combo1<18.5 Combo2<22", "Text2: Label40:250 Label37:400"},
        {"Combo1<45 Combo1<18.5 Combo2<22 Combo2<15", "Combo2:18.5 Label40:250 Label37:400"},
        {"Combo1=45 Combo2<22", "Combo2:45 Text2:7400 Label40:250 Label37:630"},
        {"Combo1=15 Combo2<16", "Text2: Label40:80 Label37:"},
        {"Combo1<75 Combo1= Combo2<22", "Text2: Label40:350 Label37:400"},
        {"Combo2=37 Combo1<22", "Combo2:22 Text2:4100 Label40:170 Label37:400"},
        {"Combo1=7,5 Combo2<15", "Text2: Label40: Label37:350"},
        {"Combo1=-1e300 Combo2<15", "Combo2:15 Text2: Label40: Label37:350"},
        {"Combo1=0.1 Combo2=0 Combo1<7.5", "Combo2:7.5"},
    });
}

TEST(Handlers, AnEqualRatingRefreshesNothing) {
    expectCases({
        {"Combo1<37 Text2=999 Combo2=37.0 Combo1<37", "Combo2:37.0 Text2:999 Label40:190"},
        // Keys match in single precision, but the power and rating compare in double.
        {"Combo1=11.0000001 Combo2<15", "Text2:2000 Label40:110 Label37:350"},
        {"Combo2=11.0000001 Combo1<11", "Combo2:11"},
        // Picking the same item again runs the tables again.
        {"Combo2<37 Text2=12 Combo2<37", "Text2:"},
        {"Combo1<37 Text2=12 Combo2<37", "Text2:6000"},
    });
}

void expectRaisedRatingsReadBackTheSame() {
    const std::pair<const char*, float> cases[] = {
        {"18.5", 18.5F},
        {"1e39", std::numeric_limits<float>::max()},
        {"1e999", std::numeric_limits<float>::max()},
        {"123456789012345678901234567890123456789012", std::numeric_limits<float>::max()},
        {"16777217", 16777216.F}};
    for (const auto& [typed, rating] : cases) {
        MemoryControls window;
        window.act(std::string("Combo1=") + typed + " Combo2<15");
        const std::string written = window.shown("Combo2");
        EXPECT_EQ(textnumber::toSingle(textnumber::leadingNumber(written)), rating) << written;
        window.act("Combo2<15"); // read back as the same rating: nothing more to raise
        EXPECT_EQ(window.shown("Combo2"), written);
    }
    EXPECT_EQ(MemoryControls().shown("Combo2"), "");
}

TEST(Handlers, ARaisedRatingIsWrittenSoThatItReadsBackTheSame) {
    expectRaisedRatingsReadBackTheSame();
}

TEST(Handlers, ARaisedRatingReadsBackTheSameUnderATurkishLocale) {
    UNDER_A_TURKISH_LOCALE();
    expectRaisedRatingsReadBackTheSame();
}

TEST(Handlers, TheMotorCatalogueFillsTheMotorAndTheUsedOptionsCaption) {
    expectCases({
        {"Option1<0 Combo3<0.18", "Label19:AGM63 Label14:11 Label21:0.54 Option1(0):2820"},
        {"Option1<0 Combo3<0.18 Option1<1",
         "Label21:0.64 Option1(1):1340 Option1(0):2820 Option1(2):1000"},
        {"Option1<2 Combo3<0.37", "Label19:AGM80 Label14:19 Label21:1.15 Option1(2):910"},
        {"Option1<2 Combo3<0.55", "Label19:AGM80 Label14:19 Label21:1.6 Option1(2):890"},
        {"Option1<2 Combo3<4", "Label19:AGM132 Label14:38 Label21:9.4 Option1(2):940"},
        {"Combo3=0.180 Option1<1", "Label19:AGM63 Label14:11 Label21:0.64"},
        {"Combo3=.18 Option1<2", "Label19:AGM71 Label14:14 Label21:0.62"},
        {"Combo3=0.1800000001 Option1<1", "Label21:0.64"},
        {"Combo3<0.18 Combo3=0.181 Option1<1", "Label19: Label14:11 Label21: Option1(1):0"},
        {"Combo3=3.0 Option1<0", "Label19:AGM90 Label14:24 Label21:6.5 Option1(0):2850"},
        {"Combo3=3.0000001 Option1<0", "Label21:6.5"},
        {"Combo3=5 Option1<0", "Label19: Label14: Label21: Option1(0):0"},
        {"Option1<0 Combo3<0.55 Combo3=2 Option1<2",
         "Label19: Label14:14 Label21: Option1(2):0 Option1(0):2780"},
    });
}

TEST(Handlers, EveryListedMotorPowerMatchesInEveryClass) {
    const char* currents[3][10] = {
        {"0.54", "0.7", "1.1", "1.34", "1.95", "2.55", "3.45", "5", "6.5", "8.2"},
        {"0.64", "0.87", "1.2", "1.6", "2.1", "2.75", "3.7", "5.3", "6.9", "8.8"},
        {"0.62", "0.83", "1.15", "1.6", "2.2", "3", "3.7", "5.3", "7.4", "9.4"}};
    MemoryControls window;
    const auto& powers = window.items[static_cast<std::size_t>(form::Id::Combo3)];
    ASSERT_EQ(powers.size(), 10U);
    for (int speed = 0; speed < 3; ++speed) {
        window.act("Option1<" + std::to_string(speed));
        for (std::size_t i = 0; i < powers.size(); ++i) {
            window.act("Combo3<" + powers[i]);
            EXPECT_EQ(window.shown("Label21"), currents[speed][i]) << powers[i] << " at " << speed;
        }
    }
    expectShown(window, "Option1(0):2870 Option1(1):1425 Option1(2):940");
}

TEST(Handlers, TypingAndSpeedsWithoutAMotorPowerWriteNothing) {
    for (const char* acts : {"Option1<0 Option1<2 Option1<1",
                             "Combo1=37 Combo2=22 Text2=1 Combo3=0.55", "Combo3=0,18 Option1<2",
                             "Combo3=0 Option1<2", "Combo3=-3 Option1<0", "Combo3=kW Option1<0"}) {
        MemoryControls window;
        window.act(acts);
        EXPECT_TRUE(window.writes.empty()) << acts;
    }
}

TEST(Handlers, HesaplaWritesInTheOrderOfTheCalculation) {
    MemoryControls window;
    window.act("Combo1<132");
    EXPECT_EQ(window.writes, (std::vector<std::string>{"Combo2=132", "Text2=21900", "Label40=350",
                                                       "Label37=950"}));
    window.act("Command1");
    EXPECT_EQ(window.writes,
              (std::vector<std::string>{
                  "clear Label35", "clear Label11", "clear Label18", "clear Label31",
                  "clear Label26", "Label8=4ZL", "Label1=800", "Label35=32.5", "Label11=9",
                  "Label18=19700", "Label31=300", "Label26=2.88", "select 1", "Combo3=3",
                  "Label19=AGM100", "Label14=28", "Label21=6.9", "Option1(1)=1405"}));
    // Class 630 writes its diameter before its type; class 500 its row's type alone.
    const auto afterTheClears = [&](const char* acts) {
        window.act(acts);
        const auto clears = std::find(window.writes.begin(), window.writes.end(), "clear Label26");
        return std::vector<std::string>(clears + 1, clears + 3);
    };
    EXPECT_EQ(afterTheClears("Combo1=37 Combo2<45 Command1"),
              (std::vector<std::string>{"Label1=630", "Label8=4ZL"}));
    EXPECT_EQ(afterTheClears("Combo1<22 Combo2<37 Command1"),
              (std::vector<std::string>{"Label1=500", "Label8=3HL"}));
    // A raised rating first, then the outputs.
    window.act("Combo1=45 Combo2<22");
    EXPECT_EQ(window.writes.front(), "Combo2=45");
}

// A road of the shared facts: what the cooling-air table leaves and what "Hesapla" shows.
std::string roadShown(const FactLine& road) {
    const char* names[] = {"Text2",    "Label40", "Label37", "Label8",  "Label1",
                           "Label35",  "Label11", "Label18", "Label31", "Label26",
                           "selected", "Combo3",  "Label19", "Label14", "Label21"};
    std::string shown;
    for (std::size_t i = 0; i < std::size(names); ++i)
        shown += std::string(names[i]) + ":" + road[i + 2] + " ";
    return shown + "Option1(" + road[12] + "):" + road[17];
}

std::string roadActs(const FactLine& road) {
    // The rating list has no 30: it comes with the power.
    const std::string rating = road[1] == "30" ? "" : " Combo2<" + road[1];
    return "Combo1<" + road[0] + rating + " Command1";
}

TEST(Handlers, EveryRoadLeadsToItsFanAndMotor) {
    const std::vector<FactLine> roads = facts("road");
    ASSERT_EQ(roads.size(), 20U);
    MemoryControls walked; // all roads in one window, in turn
    for (const FactLine& road : roads) {
        SCOPED_TRACE(roadActs(road));
        walked.act(roadActs(road));
        expectShown(walked, roadShown(road));
        MemoryControls fresh;
        fresh.act(roadActs(road));
        if (!road[7].empty()) {
            expectShown(fresh, roadShown(road));
        } else {
            // No row in a fresh window: the empty motor power matches no motor.
            expectShown(fresh, "Label35: Label18: Combo3: selected:1 Label19: Option1(1):0 "
                               "Label1:" +
                                   road[6]);
        }
    }
}

TEST(Handlers, HesaplaOnWhatIsTypedOrLeft) {
    expectCases({
        {"Text2=12abc Command1", "Label18:1360"},
        {"Combo1<132 Text2=9E+99 Command1", "Label18:19700 Label26:2.88"},
        // Class 500 keeps the type of before where no row fits.
        {"Combo1<37 Command1 Text2=4000 Command1",
         "Label8:4ZL Label1:500 Label18: Combo3:0.55 Label19:AGM80"},
        {"Combo1<11 Combo2<15 Command1 Combo1<37 Combo2<45 Command1",
         "Option1(0):2820 Option1(1):1500 Option1(2):910"},
    });
}

TEST(Handlers, HesaplaInANewWindow) {
    const FactLine empty = facts("empty").at(0);
    const char* names[] = {"Label8",  "Label1",  "Label35",   "Label11", "Label18",
                           "Label31", "Label26", "selected",  "Combo3",  "Label19",
                           "Label14", "Label21", "Option1(1)"};
    MemoryControls window;
    window.act("Command1");
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(window.shown(names[i]), empty.at(i)) << names[i];
}

TEST(Handlers, TheSameWhetherOrNotSelectingAnOptionRunsItsClick) {
    MemoryControls plain;
    MemoryControls eager;
    eager.clickOnSelect = true;
    const char* acts = "Combo1<11 Combo2<15 Command1 Combo2<45 Command1 Combo1<37 Command1 "
                       "Combo2<90 Command1 Command1";
    plain.act(acts);
    eager.act(acts);
    for (const char* name : {"Combo3", "selected", "Label19", "Label14", "Label21", "Option1(0)",
                             "Option1(1)", "Option1(2)"})
        EXPECT_EQ(eager.shown(name), plain.shown(name)) << name;
    EXPECT_EQ(plain.shown("Option1(2)"), "925");
}

TEST(Handlers, LoadFillsTheListsAndExitEnds) {
    MemoryControls window;
    using form::Id;
    const auto items = [&](Id list) { return window.items[static_cast<std::size_t>(list)]; };
    EXPECT_EQ(items(Id::Combo1),
              (std::vector<std::string>{"7.5", "11", "15", "18.5", "22", "30", "37", "45", "55",
                                        "75", "90", "110", "132"}));
    EXPECT_EQ(items(Id::Combo2),
              (std::vector<std::string>{"15", "22", "37", "45", "55", "75", "90", "110", "132"}));
    EXPECT_EQ(items(Id::Combo3), (std::vector<std::string>{"0.18", "0.25", "0.37", "0.55", "0.75",
                                                           "1.1", "1.5", "2.2", "3", "4"}));
    EXPECT_EQ(window.writes, (std::vector<std::string>{"Combo1=", "Combo2="}));
    window.act("Combo3<0.18");
    EXPECT_FALSE(window.ended);
    window.act("Command3");
    EXPECT_TRUE(window.ended);
}

} // namespace
