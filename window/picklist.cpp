// SPDX-License-Identifier: MIT
#include "picklist.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

PickList::PickList(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    // view() gives the popup, which filters its view's events to select an item. A filter
    // installed afterwards sees each event first: a mouse release, or Enter (asked for already
    // as a shortcut override), is a pick about to happen, which the popup's own filter turns
    // into activated() at once.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);

    connect(this, &QComboBox::activated, this, [this] {
        if (std::exchange(pickUnderWay_, false))
            emit picked();
    });
}

void PickList::setText(const QString& text) {
    setCurrentIndex(findText(text, Qt::MatchExactly));
    setEditText(text);
}

bool PickList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        pickUnderWay_ = true;
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* press = static_cast<QKeyEvent*>(event);
        const int key = press->key();
        // F4 (with any modifier), Alt+Down and Escape close the open list with no pick. Qt
        // itself differs here by version: from 6.8 on, F4 and Alt+Down also select the
        // highlighted item, which would show an item no pick ran for.
        const bool closes = key == Qt::Key_F4 ||
                            (key == Qt::Key_Down && (press->modifiers() & Qt::AltModifier)) ||
                            (key == Qt::Key_Escape && press->modifiers() == Qt::NoModifier);
        if (closes) {
            pickUnderWay_ = false;
            hidePopup();
            return true;
        }
        pickUnderWay_ = key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    return QComboBox::eventFilter(watched, event);
}

void PickList::keyPressEvent(QKeyEvent* event) {
    // Up, Down, Page Up and Page Down move to another item and are picks; every other key goes
    // to the text field (Enter included) and is none. Alt+Down opens the list instead.
    // With Alt or Ctrl they are no picks, and so move to no other item either (QComboBox would
    // move on Alt+Up and Alt or Ctrl with Page Up and Down, showing an item no pick ran for).
    const int key = event->key();
    const bool step = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
                      key == Qt::Key_PageDown;
    const bool modified = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier);
    const bool opens = key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (step && modified && !opens) {
        event->accept();
        return;
    }
    pickUnderWay_ = step && !modified;
    QComboBox::keyPressEvent(event);
    pickUnderWay_ = false;
}

void PickList::showPopup() {
    QComboBox::showPopup();
    if (currentIndex() < 0 && count() > 0)
        view()->setCurrentIndex(model()->index(0, modelColumn()));
}

void PickList::focusOutEvent(QFocusEvent* event) {
    pickUnderWay_ = false;
    QComboBox::focusOutEvent(event);
}

void PickList::wheelEvent(QWheelEvent* event) {
    // Scrolling over a closed list would change its text without a pick; let the window have it.
    event->ignore();
}
