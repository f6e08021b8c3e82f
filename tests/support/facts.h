// SPDX-License-Identifier: MIT
#pragma once
// The facts every language's tests share (support/facts.txt), built into the tests.
#include <QStringList>

// The words of one fact; empty where there is no such fact.
QStringList fact(const char* name);
// A fact that is one whole number.
int factNumber(const char* name);
