// SPDX-License-Identifier: MIT
// The report of a window in plain memory: what it says after the worked example, before
// "Hesapla", where no row of the chart fits and where the requirement was typed over.

#include "layout.h"
#include "memory_controls.h"
#include "selection_report.h"

#include <gtest/gtest.h>

namespace {

std::string credit() {
    return std::string(form::controls()[static_cast<std::size_t>(form::Id::Label15)].text);
}

form::Report reportAfter(std::string_view acts) {
    MemoryControls window;
    window.act(acts);
    return form::reportOf(window);
}

TEST(Report, TheWorkedExampleReadsInThreeColumns) {
    const std::string expected = "Vidalı Kompresör Soğutucu Fan Seçim Programı\n" + credit() +
                                 "\n"
                                 "\nGirdiler\n"
                                 "Kompresör Gücü\t132\tkW\n"
                                 "Soğutucu Gücü\t132\tkW\n"
                                 "Soğutma Havası İhtiyacı\t21900\tkg/h\n"
                                 "Basınç\t350\tPa\n"
                                 "Max. Çap\t950\tmm\n"
                                 "\nFan\n"
                                 "Fan Tipi\t4ZL\t\n"
                                 "Fan Çapı\t800\tmm\n"
                                 "Kanat Sayısı\t9\t\n"
                                 "Açı\t32.5\tderece\n"
                                 "Fan Gücü\t2.88\tkW\n"
                                 "Fan Debisi\t19700\tm3/h\n"
                                 "Basınç\t300\tPa\n"
                                 "\nFan motoru\n"
                                 "Devir sınıfı\t1500\td/dk\n"
                                 "Fan d/dk\t1405\t\n"
                                 "Fan Motoru Gücü\t3\t\n"
                                 "Fan Motor Tipi\tAGM100\t\n"
                                 "Fan Motoru  Mil Çapı\t28\tmm\n"
                                 "Fan Motoru Akımı (Max)\t6.9\tA\n"
                                 "\nSeçimin gerekçesi\n"
                                 "Fan boyut sınıfı\t800\tmm\n"
                                 "Boyut sınıfının koşulu\tMax. Çap ≥ 800\tmm\n"
                                 "Fan tablosu satırı\t15\t\n"
                                 "Hava bandı\tSoğutma Havası İhtiyacı > 16500\tkg/h\n"
                                 "Basınç koşulu\tBasınç ≤ 350\tPa\n";
    const form::Report report = reportAfter("Combo1<132 Command1");
    EXPECT_EQ(form::plainText(report), expected);
    EXPECT_EQ(form::fileName(report), "Fan seçimi 132 kW 4ZL.pdf");
    const std::string html = form::html(report);
    EXPECT_NE(html.find("<tr><td>Kompresör Gücü</td><td>132</td><td>kW</td></tr>\n"
                        "<tr><td>Soğutucu Gücü</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<tr><th colspan=\"3\">Seçimin gerekçesi</th></tr>\n<tr><td>Fan boyut"),
              std::string::npos);
    EXPECT_NE(html.find("<td>Basınç ≤ 350</td><td>Pa</td></tr>\n</table>"), std::string::npos);
}

// Acts, then lines the report holds and lines it must not hold.
struct Case {
    const char* acts;
    std::vector<std::string> holds;
    std::vector<std::string> lacks = {};
};

TEST(Report, SaysWhatTheWindowShowsAndWhy) {
    const std::string notYet(form::kNotCalculated);
    const Case cases[] = {
        {"",
         {credit() + "\n" + notYet + "\n\nGirdiler\nKompresör Gücü\tsonuç yok\t\n",
          "Fan Tipi\tsonuç yok\t\n", "Fan d/dk\t1500\t\n", "Max. Çap\tsonuç yok\t\n"},
         {"Seçimin gerekçesi"}},
        {"Combo1<7.5 Text2=99999 Command1",
         {"Fan Tipi\t3HL\t\n", "Kanat Sayısı\tsonuç yok\t\n",
          "Boyut sınıfının koşulu\tMax. Çap < 500\tmm\n", "Fan tablosu satırı\tuyan satır yok\t\n"},
         {notYet, "Hava bandı"}},
        {"Combo1<132 Text2=13000 Command1",
         {"Soğutma Havası İhtiyacı\t13000\tkg/h\n", "Fan tablosu satırı\t13\t\n",
          "Hava bandı\t12500 < Soğutma Havası İhtiyacı ≤ 14500\tkg/h\n"}},
        {"Combo1<37 Command1",
         {"Boyut sınıfının koşulu\t500 ≤ Max. Çap < 630\tmm\n", "Fan tablosu satırı\t6\t\n",
          "Basınç koşulu\tBasınç ≥ 170\tPa\n", "Devir sınıfı\t1500\td/dk\n"}},
        {"Combo1<75 Command1",
         {"Fan tablosu satırı\t11\t\n", "Hava bandı\tSoğutma Havası İhtiyacı ≤ 12500\tkg/h\n"}},
        {"Combo1<45 Command1 Option1<0", {"Devir sınıfı\t3000\td/dk\n", "Fan d/dk\t2800\t\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.acts);
        const std::string text = form::plainText(reportAfter(c.acts));
        for (const std::string& line : c.holds)
            EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
        for (const std::string& line : c.lacks)
            EXPECT_EQ(text.find(line), std::string::npos) << line;
    }
}

TEST(Report, HtmlAndFileNameKeepWhatWasTypedHarmless) {
    const form::Report report = reportAfter("Combo1=<b>&\"/ Text2=<i>");
    const std::string html = form::html(report);
    EXPECT_NE(html.find("<td>&lt;b&gt;&amp;&quot;/</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>&lt;i&gt;</td>"), std::string::npos);
    EXPECT_EQ(form::fileName(report), "Fan seçimi b kW.pdf");
    EXPECT_EQ(form::fileName(reportAfter("Combo1=../7")), "Fan seçimi 7 kW.pdf");
    EXPECT_EQ(form::fileName(reportAfter("")), "Fan seçimi.pdf");
}

} // namespace
