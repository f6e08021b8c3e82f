// SPDX-License-Identifier: MIT
#include "session.h"

#include "session_parts.h"
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

using namespace session_parts;

namespace {

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

std::string hex(const QString& text) {
    return text.isEmpty() ? std::string("-") : text.toUtf8().toHex().toStdString();
}

} // namespace

namespace session_parts {

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

} // namespace session_parts

Session::Session(Form1& window, bool record) : window_(window), recording_(record) {
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
    auto told = [this](std::string line) {
        if (recording_)
            record_.push_back(std::move(line));
    };

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
    if (recording_)
        record_.push_back(shown(window_));
    check(coolerPick);
    return failure_.empty();
}
