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

QMap<QString, QString> state(Form1& form) {
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
    QTest::keyClick(keyboard(form), code, modifiers);
    return true;
}

// Does one act; false for an act, or a key, the language does not name.
bool act(Form1& form, const QString& verb, const QStringList& words, const QString& rest) {
    if (verb == QLatin1String("key")) {
        return press(form, words.value(1));
    } else if (verb == QLatin1String("type")) {
        for (const QChar c : rest)
            QTest::keyClick(keyboard(form), c.toLatin1());
    } else if (verb == QLatin1String("paste")) {
        QApplication::clipboard()->setText(rest);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else if (verb == QLatin1String("click")) {
        QWidget* target = control(form, words.value(1));
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    } else if (verb == QLatin1String("arrow")) {
        auto* list = child<QComboBox>(form, words.value(1).toLatin1().constData());
        QTest::mouseClick(list, Qt::LeftButton, {}, arrowOf(list));
    } else if (verb == QLatin1String("item")) {
        QComboBox* list = openList(form);
        const QModelIndex index = list->model()->index(list->findText(words.value(2)), 0);
        list->view()->scrollTo(index);
        const QPoint at = list->view()->visualRect(index).center();
        QTest::mouseMove(list->view()->viewport(), at);
        QTest::mouseClick(list->view()->viewport(), Qt::LeftButton, {}, at);
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

ActsPlayed playActs(Form1& window, const QString& acts) {
    ActsPlayed played;
    QApplication::setDoubleClickInterval(0);
    const QStringList lines = acts.split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.left(raw.indexOf(QLatin1Char('#'))).trimmed();
        if (line.isEmpty())
            continue;
        const QStringList words = line.split(QLatin1Char(' '));
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (words[0] == QLatin1String("expect")) {
            const QMap<QString, QString> now = state(window);
            for (const QString& pair : words.mid(1)) {
                const QString name = pair.section(QLatin1Char('='), 0, 0);
                const QString want = pair.section(QLatin1Char('='), 1);
                if (!now.contains(name) || now.value(name) != want)
                    played.failures.push_back(line.toStdString() + ": " + name.toStdString() +
                                              " shows \"" + now.value(name).toStdString() + "\"");
            }
            continue;
        }
        if (!act(window, words[0], words, rest)) {
            played.failures.push_back(line.toStdString() + ": no such act or key");
            continue;
        }
        const QMap<QString, QString> now = state(window);
        played.record.push_back(line.toStdString());
        played.record.push_back(shown(window) + "|" + now["focus"].toStdString() + "|" +
                                now["open"].toStdString() + "|" + now["highlight"].toStdString());
    }
    return played;
}
