// SPDX-License-Identifier: MIT
#include "acts.h"

#include "session_parts.h"
#include "widget_parts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>
#include <chrono>
#include <thread>
#include <utility>

using namespace session_parts;

namespace {

const QMap<QString, Qt::Key> kKeys = {{"Enter", Qt::Key_Return},
                                      {"Escape", Qt::Key_Escape},
                                      {"Space", Qt::Key_Space},
                                      {"Tab", Qt::Key_Tab},
                                      {"Home", Qt::Key_Home},
                                      {"End", Qt::Key_End},
                                      {"Up", Qt::Key_Up},
                                      {"Down", Qt::Key_Down},
                                      {"Left", Qt::Key_Left},
                                      {"Right", Qt::Key_Right},
                                      {"PageUp", Qt::Key_PageUp},
                                      {"PageDown", Qt::Key_PageDown},
                                      {"Backspace", Qt::Key_Backspace},
                                      {"Delete", Qt::Key_Delete},
                                      {"F4", Qt::Key_F4},
                                      {"A", Qt::Key_A}};

QComboBox* openList(Form1& form) {
    for (const char* name : kLists)
        if (auto* list = child<QComboBox>(form, name); list->view()->isVisible())
            return list;
    return nullptr;
}

// What has the keyboard: the open list's items, else the focus.
QWidget* keyboard(Form1& form) {
    QComboBox* list = openList(form);
    return list ? list->view() : QApplication::focusWidget();
}

// A control by its name; a list by its text field, an option by its index.
QWidget* control(Form1& form, const QString& name) {
    if (name.startsWith(QLatin1String("Option1(")))
        return speedOption(form, name.mid(8, 1).toInt());
    QWidget* found = form.findChild<QWidget*>(name);
    if (auto* list = qobject_cast<QComboBox*>(found))
        return list->lineEdit();
    return found;
}

// The name of the control a widget is part of, as the acts name it; "-" for none.
QString nameOf(QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (auto* option = qobject_cast<QRadioButton*>(widget))
            return QStringLiteral("Option1(%1)").arg(option->property("index").toInt());
        if (qobject_cast<QComboBox*>(widget) || widget->objectName() == QLatin1String("Text2") ||
            widget->inherits("QPushButton"))
            return widget->objectName();
    }
    return QStringLiteral("-");
}

} // namespace

QMap<QString, QString> actsState(Form1& form) {
    QMap<QString, QString> now;
    for (const char* name : kLists)
        now[name] = child<QComboBox>(form, name)->currentText();
    now["Text2"] = child<QLineEdit>(form, "Text2")->text();
    for (const char* name : kValueLabels)
        now[name] = child<QLabel>(form, name)->text();
    for (int i = 0; i < 3; ++i) {
        now[QStringLiteral("Option1(%1)").arg(i)] = speedOption(form, i)->text();
        if (speedOption(form, i)->isChecked())
            now["selected"] = QString::number(i);
    }
    QWidget* focus = QApplication::focusWidget();
    QComboBox* list = openList(form);
    now["focus"] = list ? list->objectName() : nameOf(focus);
    now["open"] = list ? list->objectName() : QStringLiteral("-");
    now["highlight"] = list && list->view()->currentIndex().isValid()
                           ? list->view()->currentIndex().data().toString()
                           : QStringLiteral("-");
    return now;
}

namespace {

// After a pause the lists' keyboard search takes the next key as the start of a new text: the
// pause is kept, with a wait of a few milliseconds, by an interval of none until that key.
bool paused = false;
void keyClick(QWidget* widget, char key, Qt::Key code, Qt::KeyboardModifiers modifiers) {
    if (key)
        QTest::keyClick(widget, key, modifiers);
    else
        QTest::keyClick(widget, code, modifiers);
    if (std::exchange(paused, false))
        QApplication::setKeyboardInputInterval(400);
}

// Presses a chord of the acts' language; false for a key it does not name.
bool press(Form1& form, const QString& chord) {
    Qt::KeyboardModifiers modifiers;
    QString key = chord;
    for (const auto& [prefix, modifier] :
         {std::pair{"shift+", Qt::ShiftModifier}, std::pair{"alt+", Qt::AltModifier},
          std::pair{"ctrl+", Qt::ControlModifier}})
        if (key.startsWith(QLatin1String(prefix))) {
            modifiers |= modifier;
            key = key.mid(static_cast<int>(qstrlen(prefix)));
        }
    if (!kKeys.contains(key))
        return false;
    // Shift+Tab arrives as Backtab, as a keyboard sends it.
    const Qt::Key code = key == QLatin1String("Tab") && modifiers & Qt::ShiftModifier
                             ? Qt::Key_Backtab
                             : kKeys.value(key);
    // A letter with Shift is a capital, as a keyboard types it.
    const char letter = code == Qt::Key_A ? (modifiers & Qt::ShiftModifier ? 'A' : 'a') : 0;
    keyClick(keyboard(form), letter, code, modifiers);
    return true;
}

// Does one act; false for an act, or a key, the language does not name.
bool act(Form1& form, const QString& verb, const QStringList& words, const QString& rest) {
    if (verb == QLatin1String("key")) {
        return press(form, words.value(1));
    } else if (verb == QLatin1String("type")) {
        for (const QChar c : rest)
            keyClick(keyboard(form), c.toLatin1(), Qt::Key_unknown, {});
    } else if (verb == QLatin1String("pause")) {
        // Longer than the lists' keyboard search waits for the next key of one text.
        QApplication::setKeyboardInputInterval(0);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        paused = true;
    } else if (verb == QLatin1String("paste")) {
        QApplication::clipboard()->setText(rest);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QLatin1String("click")) {
        // A text field is clicked after its text, where the text cursor then stands whatever
        // the font.
        QWidget* target = control(form, words.value(1));
        QPoint at = target->rect().center();
        if (qobject_cast<QLineEdit*>(target))
            at.setX(target->width() - 4);
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
    } else if (verb == QLatin1String("arrow")) {
        auto* list = child<QComboBox>(form, words.value(1).toLatin1().constData());
        // Where a list is open, its popup takes the press, wherever it is, as it takes a
        // person's: it closes.
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::mouseClick(popup, Qt::LeftButton, {},
                              popup->mapFromGlobal(list->mapToGlobal(arrowOf(list))));
        else
            QTest::mouseClick(list, Qt::LeftButton, {}, arrowOf(list));
    } else if (verb == QLatin1String("item")) {
        QComboBox* list = openList(form);
        const QModelIndex index = list->model()->index(list->findText(words.value(2)), 0);
        list->view()->scrollTo(index);
        const QPoint at = list->view()->visualRect(index).center();
        QTest::mouseMove(list->view()->viewport(), at);
        QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, at);
    } else if (verb == QLatin1String("copy")) {
        // The window's own way: Ctrl+Shift+C, where the focus is.
        QApplication::clipboard()->clear();
        QTest::keyClick(keyboard(form), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (verb == QLatin1String("wheel")) {
        QWidget* target = control(form, words.value(1));
        const QPoint at = target->rect().center();
        QWheelEvent wheel(at, target->mapToGlobal(at), {},
                          {0, words.value(2) == QLatin1String("up") ? 120 : -120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    } else {
        return false;
    }
    return true;
}

} // namespace

bool playAct(Form1& window, const QString& line, ActsPlayed& played) {
    const QStringList words = line.split(QLatin1Char(' '));
    if (!act(window, words[0], words, line.section(QLatin1Char(' '), 1))) {
        played.failures.push_back(line.toStdString() + ": no such act or key");
        return false;
    }
    const QMap<QString, QString> now = actsState(window);
    played.record.push_back(line.toStdString());
    // After a copy, what it put on the clipboard as plain text too, in hexadecimal.
    std::string copied;
    if (words[0] == QLatin1String("copy"))
        copied.append("|").append(QApplication::clipboard()->text().toUtf8().toHex().toStdString());
    played.record.push_back(shown(window) + "|" + now["focus"].toStdString() + "|" +
                            now["open"].toStdString() + "|" + now["highlight"].toStdString() +
                            copied);
    return true;
}

ActsPlayed playActs(Form1& window, const QString& acts) {
    ActsPlayed played;
    QApplication::setDoubleClickInterval(0);
    const QStringList lines = acts.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.left(raw.indexOf(QLatin1Char('#'))).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("expect")) {
            const QMap<QString, QString> now = actsState(window);
            for (const QString& pair : words.mid(1)) {
                const QString name = pair.section(QLatin1Char('='), 0, 0);
                const QString want = pair.section(QLatin1Char('='), 1);
                if (!now.contains(name) || now.value(name) != want)
                    played.failures.push_back(line.toStdString() + ": " + name.toStdString() +
                                              " shows \"" + now.value(name).toStdString() + "\"");
            }
            continue;
        }
        playAct(window, line, played);
    }
    return played;
}
