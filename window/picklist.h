// SPDX-License-Identifier: MIT
#pragma once
#include <QComboBox>

// A list with an editable text field whose one event is the user's pick of an item: a choice in
// the opened list (mouse click, or Enter on the highlighted item), or an arrow key in the text
// field that moves to another item. Typing, pasting, Enter in the text field, leaving the field
// and the mouse wheel are no picks: they emit nothing, never add an item and never alter the text
// the user typed. Setting the text from code emits nothing either.
//
// QComboBox itself emits activated() for a typed text that matches an item when the field loses
// the focus or Enter is pressed, completes typed text inline and appends it to the list on
// Enter. The completer and insertion are switched off here, and activated() is passed on as
// picked() only while one of the two kinds of pick is under way.
class PickList final : public QComboBox {
    Q_OBJECT
public:
    explicit PickList(QWidget* parent = nullptr);

    // Sets the text of the field as code does: no pick, no signal. The arrow keys then move on
    // from the item with that text, or from before the first item when no item has it.
    void setText(const QString& text);

    // Opens the list with the field's item highlighted, or the first where the field shows none.
    void showPopup() override;

signals:
    void picked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pickUnderWay_ = false;
};
