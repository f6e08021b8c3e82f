// SPDX-License-Identifier: MIT
#include "accessible.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>

namespace {

// A plain label's interface names an empty label after the caption it is tied to, so an empty
// result would be read as its caption a second time. A result is named by what it shows, even
// when that is nothing; the toolkit's label reports each change of its text as a name change.
// Its description (unit and tooltip) describes a value, so an empty result has none: some
// screen readers read an unnamed object by its description, which would read the unit twice.
class ResultAccessible final : public QAccessibleWidget {
public:
    explicit ResultAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const QString shown = static_cast<const QLabel*>(widget())->text();
        if (t == QAccessible::Name)
            return shown;
        if (t == QAccessible::Description && shown.isEmpty())
            return {};
        return QAccessibleWidget::text(t);
    }
};

} // namespace

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("ValueLabel"))
        return new ResultAccessible(widget);
    // The toolkit calls any frame a border ("frame"); a drawn line separates.
    if (className == QLatin1String("QFrame") &&
        static_cast<QFrame*>(widget)->frameShape() == QFrame::HLine)
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}
