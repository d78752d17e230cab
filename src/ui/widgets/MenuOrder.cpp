#include "ui/widgets/MenuOrder.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

namespace MenuOrder {

void insert(QMenu* menu, QAction* action, const QString& family, int index) {
    action->setObjectName(QStringLiteral("%1(%2)").arg(family).arg(index));
    const QRegularExpression member(QStringLiteral("^") + QRegularExpression::escape(family) +
                                    QStringLiteral("\\((\\d+)\\)$"));
    for (QAction* existing : menu->actions()) {
        const QRegularExpressionMatch match = member.match(existing->objectName());
        if (match.hasMatch() && match.captured(1).toInt() > index) {
            menu->insertAction(existing, action);
            return;
        }
    }
    menu->addAction(action);
}

}  // namespace MenuOrder
