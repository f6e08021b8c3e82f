// SPDX-License-Identifier: MIT
#pragma once
// What the sessions (session.cpp) and their rules (session_check.cpp) both know of the window.

#include "form1.h"

#include <QString>
#include <QStringList>
#include <string>

namespace session_parts {

inline const char* const kLists[] = {"Combo1", "Combo2", "Combo3"};
inline const QStringList kItems[] = {
    {"7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75", "90", "110", "132"},
    {"15", "22", "37", "45", "55", "75", "90", "110", "132"},
    {"0.18", "0.25", "0.37", "0.55", "0.75", "1.1", "1.5", "2.2", "3", "4"}};

inline const char* const kValueLabels[] = {"Label40", "Label37", "Label8",  "Label1",
                                           "Label11", "Label35", "Label26", "Label18",
                                           "Label31", "Label14", "Label19", "Label21"};

// What the window shows, as a session writes it down: "= " and the fields, the results, the
// options' captions and the selected option, joined by "|".
std::string shown(Form1& form);

template <typename T> T* child(Form1& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
}

} // namespace session_parts
