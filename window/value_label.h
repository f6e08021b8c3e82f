#pragma once
#include <QLabel>

class QAccessibleInterface;

// A display-only field that shows one result: white, with a single sunken border, empty until
// a result comes. A screen reader hears it as the caption beside it (its accessible name), the
// unit (its accessible description) and the result itself (its accessible value), and is told
// whenever the result changes.
class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent);

    // Shows a result (the empty text: no result). Hides QLabel's own, which tells assistive
    // technology nothing once the label has a name of its own.
    void setText(const QString& text);
    void clear();

    // The accessibility interface of ValueLabel; installed once per application.
    static QAccessibleInterface* accessibleFactory(const QString& className, QObject* object);
};
