// SPDX-License-Identifier: MIT
// Sessions of acts made up from a seed, act by act, from what the window shows (acts.h).
#include "acts.h"
#include "layout.h"
#include "session_parts.h"

#include <QApplication>
#include <QStringList>
#include <random>

namespace {

const QStringList kKeyNames = {"Enter", "Escape", "Space", "Tab",      "Home",   "End",
                               "Up",    "Down",   "Left",  "Right",    "PageUp", "PageDown",
                               "A",     "Delete", "F4",    "Backspace"};
const QStringList kModifiers = {"", "", "", "", "", "", "shift+", "ctrl+", "alt+"};
const QString kTyped = QStringLiteral("0123456789.,a");

// Chords that end the program, that a browser takes for itself (its tabs, its history, its
// window) wherever the focus is, or that each toolkit's own text field answers by its own
// rules (undo, a word deleted, a letter with Alt).
bool browsersOwn(const QString& chord) {
    static const QStringList own = {
        "ctrl+Tab",     "alt+Tab",   "ctrl+PageUp",   "ctrl+PageDown", "ctrl+F4",
        "alt+F4",       "alt+Left",  "alt+Right",     "alt+Home",      "alt+Space",
        "shift+Escape", "alt+A",     "alt+Backspace", "alt+Delete",    "ctrl+Backspace",
        "ctrl+Delete",  "ctrl+Left", "ctrl+Right"};
    return own.contains(chord);
}

// Every control a click may land on: each but the separator and "Çıkış", which ends the
// program.
QStringList clickable() {
    QStringList names;
    for (const form::Control& c : form::controls()) {
        if (c.kind == form::Kind::Line || c.id == form::Id::Command3)
            continue;
        const int option = form::optionIndex(c.id);
        names << (option >= 0 ? QStringLiteral("Option1(%1)").arg(option)
                              : QString::fromLatin1(form::nameOf(c.id)));
    }
    return names;
}

class Maker {
public:
    explicit Maker(unsigned seed) : random_(seed) {}

    // The next act for what the window shows.
    QString next(const QMap<QString, QString>& now) {
        const QString open = now.value("open");
        const int roll = below(100);
        if (open != QLatin1String("-")) {
            // With a list open, the acts are the list's: a click elsewhere would go to a
            // browser's page where the window's list takes it for itself. What is typed into it
            // comes after a pause, so that its keys alone are one text, however long a browser
            // takes between acts.
            if (roll < 68)
                return last(key(now));
            if (roll < 77)
                return last(last_ == QLatin1String("pause") ? typed() : QStringLiteral("pause"));
            if (roll < 95)
                return last(QStringLiteral("item %1 %2").arg(open, one(itemsOf(open))));
            return last(QStringLiteral("arrow ") + open);
        }
        if (roll < 40)
            return last(key(now));
        if (roll < 55)
            return last(typed());
        if (roll < 56)
            return last(QStringLiteral("pause"));
        if (roll < 58)
            return last(QStringLiteral("copy"));
        if (roll < 82)
            return last(QStringLiteral("click ") + one(clickable()));
        if (roll < 92)
            return last(QStringLiteral("arrow ") + one(lists()));
        return last(QStringLiteral("wheel %1 %2").arg(one(lists()), below(2) ? "up" : "down"));
    }

private:
    std::mt19937 random_;
    QString last_;

    QString last(const QString& act) { return last_ = act; }

    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    QString one(const QStringList& from) { return from.at(below(static_cast<int>(from.size()))); }
    static QStringList lists() { return {"Combo1", "Combo2", "Combo3"}; }
    static QStringList itemsOf(const QString& list) {
        return session_parts::kItems[lists().indexOf(list)];
    }

    QString typed() {
        QString text;
        for (int n = 1 + below(3); n > 0; --n)
            text += kTyped.at(below(static_cast<int>(kTyped.size())));
        return QStringLiteral("type ") + text;
    }

    QString key(const QMap<QString, QString>& now) {
        const QString focus = now.value("focus");
        const bool open = now.value("open") != QLatin1String("-");
        for (;;) {
            const QString chord = one(kModifiers) + one(kKeyNames);
            // The tab order's ends, where a browser takes its own stop before coming back.
            const bool end = !open && ((chord == QLatin1String("Tab") && focus == "Combo3") ||
                                       (chord == QLatin1String("shift+Tab") && focus == "Text2"));
            const bool exits = focus == QLatin1String("Command3") && chord.endsWith("Space");
            if (!browsersOwn(chord) && !end && !exits && focus != QLatin1String("-"))
                return QStringLiteral("key ") + chord;
            if (focus == QLatin1String("-"))
                return QStringLiteral("click Text2");
        }
    }
};

} // namespace

ActsPlayed playGenerated(Form1& window, unsigned seed, int count) {
    ActsPlayed played;
    QApplication::setDoubleClickInterval(0);
    Maker maker(seed);
    for (int i = 0; i < count; ++i)
        playAct(window, maker.next(actsState(window)), played);
    return played;
}
