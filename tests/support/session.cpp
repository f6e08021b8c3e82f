// SPDX-License-Identifier: MIT
#include "session.h"

#include "widget_parts.h"

#include "cooling_air.h"
#include "fan_chart.h"
#include "form1.h"
#include "motor_catalogue.h"
#include "textnumber.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <set>

namespace {

const char* const kLists[] = {"Combo1", "Combo2", "Combo3"};
const QStringList kItems[] = {
    {"7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75", "90", "110", "132"},
    {"15", "22", "37", "45", "55", "75", "90", "110", "132"},
    {"0.18", "0.25", "0.37", "0.55", "0.75", "1.1", "1.5", "2.2", "3", "4"}};

// Characters a person may type: the stuff of numbers, the comma, letters and Turkish letters.
const QString kTypeable = QStringLiteral("0123456789012345.,-+eE 7a%İışğ\t");

enum Action : std::uint8_t {
    kPickWithKeys,
    kPickWithMouse,
    kArrows,
    kType,
    kPaste,
    kClickOption,
    kOptionArrow,
    kCalculate,
    kEnter,
    kTab,
    kActionCount
};

class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t>& bytes) : bytes_(bytes) {}
    std::uint8_t next() {
        if (bytes_.empty())
            return 0;
        const std::uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }
    QString text() {
        QString out;
        const int length = next() % 12;
        for (int i = 0; i < length; ++i)
            out += kTypeable.at(next() % kTypeable.size());
        return out;
    }

private:
    std::span<const std::uint8_t>& bytes_;
};

template <typename T> T* child(Form1& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
}

// Types a text key by key; letters beyond Latin-1 arrive as a keyboard layout sends them, as
// text on a key the toolkit has no name for.
void typeText(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void closePopup(QComboBox* combo) {
    if (combo->view()->isVisible())
        QTest::keyClick(combo->view(), Qt::Key_Escape);
}

void pickWithKeys(QComboBox* combo, int row) {
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* view = combo->view();
    if (!view->isVisible())
        return;
    QTest::keyClick(view, Qt::Key_Home);
    for (int r = 0; r < row; ++r)
        QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    closePopup(combo);
}

void pickWithMouse(QComboBox* combo, int row) {
    QTest::mouseClick(combo, Qt::LeftButton, {}, arrowOf(combo));
    QAbstractItemView* view = combo->view();
    if (!view->isVisible())
        return;
    const QModelIndex index = combo->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    closePopup(combo);
}

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

const char* const kValueLabels[] = {"Label40", "Label37", "Label8",  "Label1",
                                    "Label11", "Label35", "Label26", "Label18",
                                    "Label31", "Label14", "Label19", "Label21"};

std::string hex(const QString& text) {
    return text.isEmpty() ? std::string("-") : text.toUtf8().toHex().toStdString();
}

// What the window shows: the fields, the results, the options' captions and the selected one.
std::string shown(Form1& form) {
    QStringList texts;
    for (const char* list : kLists)
        texts << child<QComboBox>(form, list)->currentText();
    texts << child<QLineEdit>(form, "Text2")->text();
    for (const char* value : kValueLabels)
        texts << child<QLabel>(form, value)->text();
    int selected = -1;
    for (int i = 0; i < 3; ++i) {
        texts << speedOption(form, i)->text();
        if (speedOption(form, i)->isChecked())
            selected = i;
    }
    texts << QString::number(selected);
    return "= " + texts.join(QLatin1Char('|')).toStdString();
}

} // namespace

Session::Session(Form1& window) : window_(window) {
    QApplication::setDoubleClickInterval(0);
}

bool Session::step(std::span<const std::uint8_t>& input) {
    if (input.empty())
        return false;
    Bytes bytes(input);
    const auto action = static_cast<Action>(bytes.next() % kActionCount);
    const std::uint8_t target = bytes.next();
    auto* list = child<QComboBox>(window_, kLists[target % 3]);
    auto* box = child<QLineEdit>(window_, "Text2");
    QWidget* field = target % 4 == 3 ? static_cast<QWidget*>(box) : list;
    const int row = target / 4 % static_cast<int>(list->count());
    bool coolerPick = false;
    const std::string listName = kLists[target % 3];
    const std::string fieldName = field == box ? "Text2" : listName;
    auto told = [this](std::string line) { record_.push_back(std::move(line)); };

    switch (action) {
    case kPickWithKeys:
        told("pick-keys " + listName + " " + std::to_string(row));
        pickWithKeys(list, row);
        coolerPick = target % 3 != 2;
        break;
    case kPickWithMouse:
        told("pick-mouse " + listName + " " + std::to_string(row));
        pickWithMouse(list, row);
        coolerPick = target % 3 != 2;
        break;
    case kArrows: {
        // Up, Down, Page Up or Page Down, alone (a pick), or with Ctrl or Alt (none; Alt+Down
        // opens the list, which Escape closes again).
        constexpr Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
        constexpr Qt::KeyboardModifier modifiers[] = {Qt::NoModifier, Qt::NoModifier,
                                                      Qt::ControlModifier, Qt::AltModifier};
        const char* keyNames[] = {"ArrowUp", "ArrowDown", "PageUp", "PageDown"};
        const char* modifierNames[] = {"none", "none", "ctrl", "alt"};
        const std::uint8_t modifier = bytes.next() % 4;
        told("arrow " + listName + " " + keyNames[target >> 6] + " " + modifierNames[modifier]);
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        QTest::keyClick(list, keys[target >> 6], modifiers[modifier]);
        if (list->view()->isVisible())
            QTest::keyClick(list->view(), Qt::Key_Escape);
        break;
    }
    case kType: {
        const bool selectAll = bytes.next() & 1;
        const QString text = bytes.text();
        told("type " + fieldName + " " + (selectAll ? "1 " : "0 ") + hex(text));
        QTest::mouseClick(field == box ? field : list->lineEdit(), Qt::LeftButton);
        if (selectAll)
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typeText(field, text);
        break;
    }
    case kPaste: {
        const QString first = bytes.text();
        const QString pasted = first + bytes.text();
        told("paste " + fieldName + " " + hex(pasted));
        QApplication::clipboard()->setText(pasted);
        QTest::mouseClick(field == box ? field : list->lineEdit(), Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    case kClickOption:
        told("option " + std::to_string(target % 3));
        QTest::mouseClick(speedOption(window_, target % 3), Qt::LeftButton);
        break;
    case kOptionArrow: {
        told("option-arrow " + std::to_string(target % 3) + (target & 0x80 ? " Left" : " Right"));
        QRadioButton* selected = speedOption(window_, target % 3);
        selected->setFocus(Qt::TabFocusReason);
        QTest::keyClick(selected, target & 0x80 ? Qt::Key_Left : Qt::Key_Right);
        break;
    }
    case kCalculate:
        told("calculate");
        QTest::mouseClick(child<QPushButton>(window_, "Command1"), Qt::LeftButton);
        break;
    case kEnter:
        told("enter " + fieldName);
        QTest::mouseClick(field == box ? field : list->lineEdit(), Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_Return);
        break;
    case kTab:
        told("tab " + fieldName);
        QTest::keyClick(field, Qt::Key_Tab);
        break;
    case kActionCount:
        break;
    }
    ++actions_;
    record_.push_back(shown(window_));
    check(coolerPick);
    return failure_.empty();
}

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
