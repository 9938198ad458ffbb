#include "app/accessibility.h"

#include "app/accessibletext.h"
#include "app/announcer.h"
#include "app/showntext.h"

#include <QAccessible>

namespace {

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (const auto* shown = dynamic_cast<const ShownText*>(object))
        return new AccessibleText(widget, *shown);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
