// SPDX-License-Identifier: MIT
#include "form1.h"

#include "dialog_font.h"
#include "picklist.h"
#include "toolkit.h"
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
#include <array>
#include <span>
#include <tuple>
#include <utility>

namespace {

// Places are given in twips (1/1440 inch) from the top-left corner of the client area; fifteen
// twips are one device-independent pixel.
struct Twips {
    int left, top, width, height;
};

constexpr int pixels(int twips) {
    return (twips + 7) / 15;
}

QRect rectOf(Twips t) {
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

constexpr Twips kClientArea{0, 0, 6825, 4035};
constexpr const char* kAirTooltip = "1.113 kg/m3 (45)";

// Names a control and puts it at its place in the client area, also when it stands inside a
// group that is itself placed in the window.
template <typename Control> Control* place(Control* control, const char* name, Twips at) {
    control->setObjectName(QString::fromLatin1(name));
    const QWidget* parent = control->parentWidget();
    control->setGeometry(rectOf(at).translated(-parent->mapTo(parent->window(), QPoint())));
    return control;
}

// A caption, unit or credit label: plain static text.
QLabel* staticLabel(QWidget* form, const char* name, const char* text, Twips at) {
    auto* label = place(new QLabel(QString::fromUtf8(text), form), name, at);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

ValueLabel* valueLabel(QWidget* form, const char* name, Twips at) {
    return place(new ValueLabel(form), name, at);
}

// The caption a screen reader speaks for a control: the caption beside it without " =".
QString spokenCaption(const QLabel* caption) {
    QString text = caption->text();
    if (text.endsWith(QLatin1String(" =")))
        text.chop(2);
    return text.trimmed();
}

// Ties a control to the caption beside it, so that a screen reader finds either from the other
// (labelled-by and label-for), and gives it its unit and tooltip as a description. A list or the
// text box is spoken by its caption; a value label by the value it shows, as a sighted user reads
// it, so a screen reader's review of the window reads caption, value and unit once each.
void tieToCaption(QWidget* control, QLabel* caption, const QLabel* unit) {
    caption->setBuddy(control);
    if (!qobject_cast<ValueLabel*>(control))
        control->setAccessibleName(spokenCaption(caption));
    QStringList description;
    if (unit)
        description << unit->text();
    if (!control->toolTip().isEmpty())
        description << control->toolTip();
    control->setAccessibleDescription(description.join(QLatin1String(", ")));
}

// Items of the three lists, in the order they are shown; "." is the decimal point.
constexpr std::array kCompressorPowers{"7.5", "11", "15", "18.5", "22",  "30", "37",
                                       "45",  "55", "75", "90",   "110", "132"};
constexpr std::array kCoolerRatings{"15", "22", "37", "45", "55", "75", "90", "110", "132"};
constexpr std::array kMotorPowers{"0.18", "0.25", "0.37", "0.55", "0.75",
                                  "1.1",  "1.5",  "2.2",  "3",    "4"};

void append(PickList* list, std::span<const char* const> items) {
    for (const char* item : items)
        list->addItem(QString::fromLatin1(item));
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Vidalı Kompresör Soğutucu Fan Seçim Programı"));
    // A frame with title bar, system menu and close box, but no minimize or maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(rectOf(kClientArea).size());

    createControls();
    // The captions' places fit the narrow dialog font; another font is condensed to fit them.
    if (const QFont fitted = fittedToCaptions(*this); fitted != font())
        setFont(fitted);
    roomForGlyphs(*this);
    wireEvents();
    Form_Load();

    // Opens centred on the screen (it has no owner), with the focus in the air requirement.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    Text2->setFocus(Qt::OtherFocusReason);
}

void Form1::createControls() {
    // Cooler input rows.
    auto* compressorCaption =
        staticLabel(this, "Label7", "Kompresör Gücü =", {120, 240, 1335, 255});
    Combo1 = place(new PickList(this), "Combo1", {1680, 240, 855, 315});
    auto* compressorUnit = staticLabel(this, "Label22", "kW", {2640, 240, 375, 255});
    auto* airCaption =
        staticLabel(this, "Label2", "Soğutma Havası İhtiyacı =", {3120, 240, 1935, 255});
    Text2 = place(new QLineEdit(this), "Text2", {5160, 240, 735, 285});
    auto* airUnit = staticLabel(this, "Label5", "kg/h", {6000, 240, 615, 255});
    auto* ratingCaption = staticLabel(this, "Label9", "Soğutucu Gücü =", {120, 720, 1335, 375});
    Combo2 = place(new PickList(this), "Combo2", {1680, 720, 855, 315});
    auto* ratingUnit = staticLabel(this, "Label25", "kW", {2640, 720, 375, 255});
    auto* pressureCaption = staticLabel(this, "Label41", "Basınç =", {3120, 720, 735, 255});
    Label40 = valueLabel(this, "Label40", {3840, 720, 495, 285});
    auto* pressureUnit = staticLabel(this, "Label42", "Pa", {4440, 720, 375, 255});
    auto* diameterCaption = staticLabel(this, "Label38", "Max. Çap =", {4920, 720, 855, 255});
    Label37 = valueLabel(this, "Label37", {5880, 720, 405, 285});
    auto* diameterUnit = staticLabel(this, "Label39", "mm", {6360, 720, 375, 255});

    auto* line = place(new QFrame(this), "Line1", {120, 1200, 6600, 15});
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setLineWidth(1);

    // Fan motor input row.
    auto* motorPowerCaption =
        staticLabel(this, "Label10", "Fan Motoru Gücü =", {120, 1320, 1455, 255});
    Combo3 = place(new PickList(this), "Combo3", {1680, 1320, 855, 315});
    auto* speedCaption = staticLabel(this, "Label6", "Fan d/dk =", {3000, 1380, 855, 255});
    speedCaption->setToolTip(QStringLiteral("ContiTech MultiRib"));
    // The three options stand in one invisible group that carries the caption "Fan d/dk", so a
    // screen reader announces an option as the group's caption and its own ("Fan d/dk", "1365").
    constexpr Twips speedArea{3960, 1320, 5640 + 735 - 3960, 375};
    auto* speedGroup = place(new QWidget(this), "Option1Group", speedArea);
    Option1Group = new QButtonGroup(this);
    constexpr std::array<std::pair<const char*, Twips>, 3> speedOptions{{
        {"3000", {3960, 1320, 735, 375}},
        {"1500", {4800, 1320, 735, 375}},
        {"1000", {5640, 1320, 735, 375}},
    }};
    for (int index = 0; index < 3; ++index) {
        const auto& [caption, at] = speedOptions[static_cast<std::size_t>(index)];
        auto* option =
            place(new QRadioButton(QString::fromLatin1(caption), speedGroup), "Option1", at);
        option->setProperty("index", index);
        Option1Group->addButton(option, index);
        Option1[static_cast<std::size_t>(index)] = option;
    }
    Option1[1]->setChecked(true);
    // The options are one tab stop, the selected one; the arrow keys move inside the group.
    for (QRadioButton* option : Option1) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        connect(option, &QRadioButton::toggled, option, [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }

    // Result rows and buttons.
    auto* fanTypeCaption = staticLabel(this, "Label13", "Fan Tipi =", {120, 1920, 855, 255});
    Label8 = valueLabel(this, "Label8", {960, 1920, 495, 285});
    auto* fanDiameterCaption = staticLabel(this, "Label3", "Fan Çapı =", {1680, 1920, 855, 255});
    Label1 = valueLabel(this, "Label1", {2520, 1920, 615, 285});
    auto* fanDiameterUnit = staticLabel(this, "Label4", "mm", {3240, 1920, 375, 255});
    auto* bladesCaption = staticLabel(this, "Label12", "Kanat Sayısı =", {3600, 1920, 1095, 255});
    Label11 = valueLabel(this, "Label11", {4680, 1920, 375, 285});
    auto* angleCaption = staticLabel(this, "Label34", "Açı =", {5280, 1920, 375, 255});
    Label35 = valueLabel(this, "Label35", {5760, 1920, 375, 285});
    auto* angleUnit = staticLabel(this, "Label33", "derece", {6220, 1920, 495, 255});
    auto* fanPowerCaption = staticLabel(this, "Label28", "Fan Gücü =", {120, 2400, 975, 255});
    Label26 = valueLabel(this, "Label26", {1080, 2400, 495, 285});
    auto* fanPowerUnit = staticLabel(this, "Label27", "kW", {1680, 2400, 255, 255});
    auto* flowCaption = staticLabel(this, "Label30", "Fan Debisi =", {2280, 2400, 975, 255});
    Label18 = valueLabel(this, "Label18", {3240, 2400, 615, 285});
    auto* flowUnit = staticLabel(this, "Label29", "m3/h", {3960, 2400, 495, 255});
    auto* fanPressureCaption = staticLabel(this, "Label36", "Basınç =", {4800, 2400, 615, 255});
    Label31 = valueLabel(this, "Label31", {5520, 2400, 495, 285});
    auto* fanPressureUnit = staticLabel(this, "Label32", "Pa", {6120, 2420, 375, 255});
    auto* shaftCaption =
        staticLabel(this, "Label16", "Fan Motoru  Mil Çapı =", {120, 2880, 1695, 255});
    Label14 = valueLabel(this, "Label14", {1920, 2880, 375, 285});
    auto* shaftUnit = staticLabel(this, "Label17", "mm", {2400, 2880, 495, 255});
    Command1 = place(new QPushButton(QStringLiteral("Hesapla"), this), "Command1",
                     {3840, 3000, 1215, 375});
    Command3 =
        place(new QPushButton(QStringLiteral("Çıkış"), this), "Command3", {5280, 3000, 1215, 375});
    auto* motorTypeCaption =
        staticLabel(this, "Label20", "Fan Motor Tipi =", {120, 3240, 1335, 255});
    Label19 = valueLabel(this, "Label19", {1920, 3240, 735, 285});
    auto* currentCaption =
        staticLabel(this, "Label23", "Fan Motoru Akımı (Max) =", {120, 3600, 1815, 255});
    Label21 = valueLabel(this, "Label21", {2040, 3600, 400, 285});
    auto* currentUnit = staticLabel(this, "Label24", "A", {2530, 3630, 255, 255});
    staticLabel(this, "Label15", "Sürüm " FANSEL_VERSION " - yerleşik tablolar",
                {3960, 3600, 2535, 255});

    Text2->setMaxLength(5); // typed or pasted; the tables' own texts are never longer
    const QString airTooltip = QString::fromLatin1(kAirTooltip);
    Text2->setToolTip(airTooltip);
    Label18->setToolTip(airTooltip);
    Label31->setToolTip(QStringLiteral("Statik"));

    for (QPushButton* button : {Command1, Command3}) {
        button->setAutoDefault(false); // neither is pressed by Enter or Escape
        button->setDefault(false);
    }

    // Every input and result is tied to its caption and unit; the buttons speak their captions.
    const std::array<std::tuple<QWidget*, QLabel*, const QLabel*>, 17> captioned{{
        {Combo1, compressorCaption, compressorUnit},
        {Combo2, ratingCaption, ratingUnit},
        {Text2, airCaption, airUnit},
        {Label40, pressureCaption, pressureUnit},
        {Label37, diameterCaption, diameterUnit},
        {Combo3, motorPowerCaption, nullptr},
        {speedGroup, speedCaption, nullptr},
        {Label8, fanTypeCaption, nullptr},
        {Label1, fanDiameterCaption, fanDiameterUnit},
        {Label11, bladesCaption, nullptr},
        {Label35, angleCaption, angleUnit},
        {Label26, fanPowerCaption, fanPowerUnit},
        {Label18, flowCaption, flowUnit},
        {Label31, fanPressureCaption, fanPressureUnit},
        {Label14, shaftCaption, shaftUnit},
        {Label19, motorTypeCaption, nullptr},
        {Label21, currentCaption, currentUnit},
    }};
    for (const auto& [control, caption, unit] : captioned)
        tieToCaption(control, caption, unit);

    // Keyboard order: the air requirement, the speed options (one stop, arrows move inside),
    // the two buttons, then the three lists.
    const std::array<QWidget*, 9> tabOrder{Text2,    Option1[0], Option1[1], Option1[2], Command1,
                                           Command3, Combo1,     Combo2,     Combo3};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form1::wireEvents() {
    // The seven events that run code; nothing else a control does reaches a handler.
    const std::array<std::pair<PickList*, void (Form1::*)()>, 3> picks{{
        {Combo1, &Form1::Combo1_Click},
        {Combo2, &Form1::Combo2_Click},
        {Combo3, &Form1::Combo3_Click},
    }};
    for (const auto& [list, handler] : picks)
        connect(list, &PickList::picked, this, handler);
    connect(Option1Group, &QButtonGroup::idClicked, this, &Form1::Option1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::Form_Load() {
    append(Combo1, kCompressorPowers);
    Combo1->setText(QString());
    append(Combo2, kCoolerRatings);
    Combo2->setText(QString());
    append(Combo3, kMotorPowers);
    // The toolkit shows the first item as soon as a list has one; the motor power, too, starts
    // out empty.
    Combo3->setText(QString());
}

int Form1::selectedSpeedClass() const {
    if (Option1[0]->isChecked())
        return 0;
    if (Option1[1]->isChecked())
        return 1;
    return 2;
}

void Form1::Command3_Click() {
    // Ends the program at once: the event loop returns with status 0 and nothing is asked.
    QCoreApplication::exit(0);
}
