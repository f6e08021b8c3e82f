// SPDX-License-Identifier: MIT
#pragma once
// Qt's window, the folder window/: the widgets of the window's description (form/layout.h) at
// their places, the controls' interface implemented with them, and each widget's pick or click
// wired to the handler the description names (here); and what is Qt's alone: selection_actions
// (the report copied, printed and saved as PDF, through the context menus), startup (opening
// the window platform, or one clear line on what failed), application (the program's run,
// names, icon, screen-reader interfaces and, on Windows, its text engine), dialog_font (the
// dialog font, fitted to the captions where it is too wide, and room for every letter of a
// caption), describe (each control's kind, from the description), PickList (a list whose only
// signal is the user's pick), ValueLabel (a result field) with accessible (what a screen reader
// reads of it). Each input and result is tied to its caption, so a screen reader hears caption,
// value and unit.

#include "controls.h"
#include "form.h"

#include <QWidget>
#include <array>
#include <string>
#include <string_view>

class QButtonGroup;
class QRadioButton;

class Form1 final : public QWidget, private form::Controls {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

private:
    std::array<QWidget*, form::kControlCount> widgets_{};
    QButtonGroup* options_ = nullptr;
    form::Form1 handlers_{*this};

    void createControls();
    void tieCaptions();
    void orderTabs();
    void wireEvents();
    QWidget* widget(form::Id id) const { return widgets_[static_cast<std::size_t>(id)]; }
    QRadioButton* option(int index) const;

    // The controls' interface, over the widgets.
    std::string text(form::Id control) const override;
    void setText(form::Id control, std::string_view text) override;
    void clear(form::Id result) override;
    void append(form::Id list, std::string_view item) override;
    bool isSelected(int option) const override;
    void select(int option) override;
    void setCaption(int option, std::string_view caption) override;
    void end() override;
};
