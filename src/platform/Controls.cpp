#include "Controls.h"

#include <QLabel>
#include <QPushButton>

namespace Controls {

QPushButton* button(const QString& text, const QString& objectName, QWidget* parent, QSize minimum)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setMinimumSize(minimum);
    return b;
}

QLabel* instruction(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace Controls
