#include "value_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class ValueLabelAccessible final : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->accessibleName();
        case QAccessible::Description:
            return label->accessibleDescription();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

} // namespace

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setIndent(1);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

void ValueLabel::setText(const QString& text) {
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    QAccessibleValueChangeEvent changed(this, text);
    QAccessible::updateAccessibility(&changed);
}

void ValueLabel::clear() {
    setText(QString());
}

QAccessibleInterface* ValueLabel::accessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ValueLabel") && object && object->isWidgetType())
        return new ValueLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
