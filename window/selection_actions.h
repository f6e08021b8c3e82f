// SPDX-License-Identifier: MIT
#pragma once
#include "controls.h"
#include "selection_report.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;

// What hands the selection on from Qt's window: the report of the window (form/selection_report.h)
// copied to the clipboard as plain text and HTML, printed as a one-page datasheet, or saved as one
// in a PDF file. Each is an action with its shortcut (Ctrl+Shift+C, Ctrl+P, Ctrl+S), reached
// through the context menu wherever it opens on the window: the window's own, and under a separator
// the text fields' own menus (Cut, Copy, Paste …), by a right click, the Menu key or Shift+F10.
// None of them changes a control or runs a handler; only the file the user names is written.
class SelectionActions final : public QObject {
    Q_OBJECT
public:
    // After the window's controls are made: their text fields get the actions in their menus.
    SelectionActions(QWidget& window, const form::Controls& controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    const form::Controls& controls_;
    QAction* copy_;
    QAction* print_;
    QAction* save_;

    QAction* action(const char* text, const QKeySequence& keys, void (SelectionActions::*act)());
    void popUp(QMenu& menu, const QPoint& at);
    void openMenuOfFocus();
    // Where the datasheet goes unless the user says otherwise: the documents folder.
    QString suggestedPath(const form::Report& report) const;
    void copy();
    void print();
    void save();
};
