// SPDX-License-Identifier: MIT
#include "form1.h"

#include "dialog_font.h"
#include "layout.h"
#include "picklist.h"
#include "selection_actions.h"
#include "value_label.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <vector>

using form::Id;
using form::Kind;

namespace {

QRect rectOf(form::Place t) {
    return {form::pixels(t.left), form::pixels(t.top), form::pixels(t.width),
            form::pixels(t.height)};
}

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

// Puts a control at its place in the client area, also when it stands inside a group that is
// itself placed in the window.
void place(QWidget* control, std::string_view name, const QRect& at) {
    control->setObjectName(qtText(name));
    const QWidget* parent = control->parentWidget();
    control->setGeometry(at.translated(-parent->mapTo(parent->window(), QPoint())));
}

// Ties a control to the caption beside it, so that a screen reader finds either from the other
// (labelled-by and label-for), and gives it its unit and tooltip as a description. A list or the
// text box is spoken by its caption; a value label by the value it shows, as a sighted user reads
// it, so a screen reader's review of the window reads caption, value and unit once each.
void tieToCaption(QWidget* control, QLabel* caption, const QLabel* unit, const QString& spoken) {
    caption->setBuddy(control);
    if (!qobject_cast<ValueLabel*>(control))
        control->setAccessibleName(spoken);
    QStringList description;
    if (unit)
        description << unit->text();
    if (!control->toolTip().isEmpty())
        description << control->toolTip();
    control->setAccessibleDescription(description.join(QLatin1String(", ")));
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    const form::Window& description = form::window();
    setObjectName(qtText(form::nameOf(Id::Form1)));
    setWindowTitle(qtText(description.title));
    // A frame with title bar, system menu and close box, but no minimize or maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(rectOf(description.clientArea).size());

    createControls();
    // The captions' places fit the narrow dialog font; another font is condensed to fit them.
    if (const QFont fitted = fittedToCaptions(*this); fitted != font())
        setFont(fitted);
    roomForGlyphs(*this);
    wireEvents();
    new SelectionActions(*this, *this);

    // Opens centred on the screen (it has no owner), with the focus where the description says.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    widget(description.focusAtStart)->setFocus(Qt::OtherFocusReason);
}

void Form1::createControls() {
    // The options stand in one invisible group that carries the caption of the option group,
    // so a screen reader announces an option as the group's caption and its own.
    QWidget* optionGroup = nullptr;
    for (const form::Control& control : form::controls()) {
        const QRect at = rectOf(control.at);
        QWidget* made = nullptr;
        switch (control.kind) {
        case Kind::Caption:
        case Kind::Unit:
        case Kind::Credit: {
            auto* label = new QLabel(qtText(control.text), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            made = label;
            break;
        }
        case Kind::Value:
            made = new ValueLabel(this);
            break;
        case Kind::List:
            made = new PickList(this);
            break;
        case Kind::TextBox: {
            auto* box = new QLineEdit(this);
            box->setMaxLength(form::window().textBoxMaxLength);
            made = box;
            break;
        }
        case Kind::Option: {
            if (!optionGroup) {
                QRect area;
                for (const form::Control& other : form::controls())
                    if (other.kind == Kind::Option)
                        area |= rectOf(other.at);
                optionGroup = new QWidget(this);
                place(optionGroup, "Option1Group", area);
                options_ = new QButtonGroup(this);
            }
            auto* option = new QRadioButton(qtText(control.text), optionGroup);
            const int index = form::optionIndex(control.id);
            option->setProperty("index", index);
            options_->addButton(option, index);
            made = option;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(qtText(control.text), this);
            button->setAutoDefault(false); // neither is pressed by Enter or Escape
            button->setDefault(false);
            made = button;
            break;
        }
        case Kind::Line: {
            auto* line = new QFrame(this);
            line->setFrameStyle(QFrame::HLine | QFrame::Plain);
            line->setLineWidth(1);
            made = line;
            break;
        }
        }
        place(made, form::nameOf(control.id), at);
        if (!control.tooltip.empty())
            made->setToolTip(qtText(control.tooltip));
        widgets_[static_cast<std::size_t>(control.id)] = made;
    }
    option(form::window().optionSelectedAtStart)->setChecked(true);
    // The options are one tab stop, the selected one; the arrow keys move inside the group.
    for (QAbstractButton* button : options_->buttons()) {
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(button, &QAbstractButton::toggled, button, [button](bool selected) {
            button->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    tieCaptions();
    orderTabs();
}

void Form1::tieCaptions() {
    // Every input and result is tied to its caption and unit; the options through their group.
    for (const form::Control& control : form::controls()) {
        const bool option = control.kind == Kind::Option;
        if (control.caption == Id::None || (option && form::optionIndex(control.id) != 0))
            continue; // the group once, through its first option
        QWidget* tied = option ? widget(control.id)->parentWidget() : widget(control.id);
        const auto* unit = control.unit == Id::None ? nullptr : widget(control.unit);
        tieToCaption(tied, static_cast<QLabel*>(widget(control.caption)),
                     static_cast<const QLabel*>(unit), qtText(form::spokenName(control)));
    }
}

void Form1::orderTabs() {
    // The controls that take the focus, in the order of their tab positions.
    std::vector<const form::Control*> stops;
    for (const form::Control& control : form::controls())
        if (control.kind == Kind::List || control.kind == Kind::TextBox ||
            control.kind == Kind::Option || control.kind == Kind::Button)
            stops.push_back(&control);
    std::sort(stops.begin(), stops.end(),
              [](const form::Control* a, const form::Control* b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(widget(stops[i - 1]->id), widget(stops[i]->id));
}

void Form1::wireEvents() {
    // The events the description wires, and nothing else a control does, reach a handler.
    for (const form::Wire& wire : form::wiring()) {
        const form::Handler handler = wire.handler;
        switch (wire.event) {
        case form::Event::Load:
            handlers_.run(handler);
            break;
        case form::Event::Pick:
            connect(static_cast<PickList*>(widget(wire.control)), &PickList::picked, this,
                    [this, handler] { handlers_.run(handler); });
            break;
        case form::Event::Click:
            if (wire.control == Id::Option1)
                connect(options_, &QButtonGroup::idClicked, this,
                        [this, handler](int index) { handlers_.run(handler, index); });
            else
                connect(static_cast<QPushButton*>(widget(wire.control)), &QPushButton::clicked,
                        this, [this, handler] { handlers_.run(handler); });
            break;
        }
    }
}

QRadioButton* Form1::option(int index) const {
    return static_cast<QRadioButton*>(options_->button(index));
}

std::string Form1::text(Id control) const {
    QWidget* shown = widget(control);
    if (auto* list = qobject_cast<PickList*>(shown))
        return utf8(list->currentText());
    if (auto* box = qobject_cast<QLineEdit*>(shown))
        return utf8(box->text());
    if (auto* option = qobject_cast<QAbstractButton*>(shown))
        return utf8(option->text());
    return utf8(static_cast<QLabel*>(shown)->text());
}

void Form1::setText(Id control, std::string_view text) {
    QWidget* shown = widget(control);
    if (auto* list = qobject_cast<PickList*>(shown))
        list->setText(qtText(text));
    else if (auto* box = qobject_cast<QLineEdit*>(shown))
        box->setText(qtText(text));
    else
        static_cast<QLabel*>(shown)->setText(qtText(text));
}

void Form1::clear(Id result) {
    static_cast<QLabel*>(widget(result))->clear();
}

void Form1::append(Id list, std::string_view item) {
    // The toolkit shows the first item as soon as a list has one: the field keeps its text.
    auto* shown = static_cast<PickList*>(widget(list));
    const QString before = shown->currentText();
    shown->addItem(qtText(item));
    if (shown->currentText() != before)
        shown->setText(before);
}

bool Form1::isSelected(int index) const {
    return option(index)->isChecked();
}

void Form1::select(int index) {
    option(index)->setChecked(true);
}

void Form1::setCaption(int index, std::string_view caption) {
    option(index)->setText(qtText(caption));
}

void Form1::end() {
    // The event loop returns with status 0 and nothing is asked.
    QCoreApplication::exit(0);
}
