// SPDX-License-Identifier: MIT
// What must hold of the window after every action of a session.

#include "session.h"
#include "session_parts.h"
#include "widget_parts.h"

#include "cooling_air.h"
#include "fan_chart.h"
#include "motor_catalogue.h"
#include "textnumber.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <set>

using namespace session_parts;

namespace {

// Every text a table can put into a value label, and the empty text.
std::set<QString> producible(const char* label) {
    std::set<QString> texts{QString()};
    auto add = [&](std::string_view t) {
        texts.insert(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
    };
    const std::string_view name = label;
    for (const auto& row : selection::kPowerTable)
        if (name == "Label40") {
            add(row.pressureLargerCooler);
            add(row.pressureEqualCooler);
        }
    for (const auto& row : selection::kRatingTable)
        if (name == "Label37")
            add(row.maxFanDiameter);
    for (const auto& c : selection::kSizeClasses) {
        if (name == "Label8")
            add(c.fanType);
        if (name == "Label1")
            add(c.fanDiameter);
    }
    for (const auto& row : selection::kFanChart) {
        const std::pair<const char*, std::string_view> fields[] = {
            {"Label8", row.fanType},  {"Label35", row.bladeAngle},  {"Label11", row.bladeCount},
            {"Label18", row.airFlow}, {"Label31", row.fanPressure}, {"Label26", row.fanPower}};
        for (const auto& [field, text] : fields)
            if (name == field)
                add(text);
    }
    for (const auto& table : selection::kMotorCatalogue)
        for (const auto& row : table) {
            if (name == "Label19")
                add(row.type);
            if (name == "Label14")
                add(row.shaftDiameter);
            if (name == "Label21")
                add(row.maxCurrent);
        }
    return texts;
}

} // namespace

void Session::check(bool afterCoolerPick) {
    auto fail = [this](const QString& what) {
        if (failure_.empty())
            failure_ = what.toStdString();
    };
    for (int i = 0; i < 3; ++i) {
        const auto* list = child<QComboBox>(window_, kLists[i]);
        QStringList items;
        for (int k = 0; k < list->count(); ++k)
            items << list->itemText(k);
        if (items != kItems[i])
            fail(QStringLiteral("%1 holds %2").arg(kLists[i], items.join(' ')));
    }

    if (afterCoolerPick) {
        auto single = [this](const char* name) {
            const QByteArray text = child<QComboBox>(window_, name)->currentText().toUtf8();
            return textnumber::toSingle(textnumber::leadingNumber(
                std::string_view(text.constData(), static_cast<std::size_t>(text.size()))));
        };
        if (single("Combo2") < single("Combo1"))
            fail(QStringLiteral("the rating %1 is below the power %2")
                     .arg(child<QComboBox>(window_, "Combo2")->currentText(),
                          child<QComboBox>(window_, "Combo1")->currentText()));
    }

    static const auto allowed = [] {
        std::array<std::set<QString>, std::size(kValueLabels)> sets;
        for (std::size_t i = 0; i < sets.size(); ++i)
            sets[i] = producible(kValueLabels[i]);
        return sets;
    }();
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        const QString shown = child<QLabel>(window_, kValueLabels[i])->text();
        if (!allowed[i].contains(shown))
            fail(QStringLiteral("%1 shows \"%2\"").arg(kValueLabels[i], shown));
    }

    static const auto captions = [] {
        std::set<QString> texts{"3000", "1500", "1000", "0"};
        for (const auto& table : selection::kMotorCatalogue)
            for (const auto& row : table)
                texts.insert(QString::fromStdString(textnumber::singleToText(row.ratedSpeed)));
        return texts;
    }();
    int selected = 0;
    for (int i = 0; i < 3; ++i) {
        const QRadioButton* o = speedOption(window_, i);
        selected += o->isChecked();
        if (!captions.contains(o->text()))
            fail(QStringLiteral("speed option %1 reads \"%2\"").arg(i).arg(o->text()));
    }
    if (selected != 1)
        fail(QStringLiteral("%1 speed options are selected").arg(selected));
    if (child<QLineEdit>(window_, "Text2")->text().size() > 5)
        fail(QStringLiteral("the requirement holds more than five characters"));
}
