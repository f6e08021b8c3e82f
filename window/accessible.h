// SPDX-License-Identifier: MIT
#pragma once
// What assistive technology reads where the toolkit's own interfaces would mislead it: a result
// field is read by its value, and the separator line as a separator.

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory for QAccessible::installFactory; installed once per application.
QAccessibleInterface* accessibleControl(const QString& className, QObject* object);
