#include "widgets/AccessibleRole.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char roleProperty[] = "accessibleRole";
const char modalProperty[] = "accessibleModal";

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

class RoleAccessible : public QAccessibleWidget
{
public:
    RoleAccessible(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        QString value = QAccessibleWidget::text(type);
        if (type == QAccessible::Name && value.isEmpty()) {
            if (const auto *button = qobject_cast<const QAbstractButton *>(widget()))
                value = withoutMnemonic(button->text());
        }
        return value;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->property(modalProperty).toBool())
            state.modal = true;
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget())) {
            state.checkable = button->isCheckable();
            state.checked = button->isChecked();
            // A page tab is "selected" while its page is shown.
            state.selectable = role() == QAccessible::PageTab;
            state.selected = role() == QAccessible::PageTab && button->isChecked();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<const QAbstractButton *>(widget()))
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        auto *button = qobject_cast<QAbstractButton *>(widget());
        if (button && name == pressAction() && button->isEnabled())
            button->click();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *roleFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(roleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoleAccessible(widget, QAccessible::Role(role.toInt()));
}

void installFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace

namespace AccessibleRole {

void set(QWidget *widget, QAccessible::Role role)
{
    installFactoryOnce();
    widget->setProperty(roleProperty, int(role));
    // An interface made before (say, when the widget was named) would keep
    // the class's role: it is made again on the next query.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void setModal(QWidget *widget, bool modal)
{
    widget->setProperty(modalProperty, modal);
    QAccessible::State changed;
    changed.modal = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace AccessibleRole
