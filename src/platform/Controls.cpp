#include "Controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

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

QWidget* titlePicture(const QString& title, const QString& instructions, QWidget* parent)
{
    auto* band = new QWidget(parent);
    band->setObjectName(u"imgTitolo"_s);
    band->setAutoFillBackground(true);
    band->setPalette(QPalette(QColor(0x1F, 0x3A, 0x68)));
    auto* column = new QVBoxLayout(band);
    column->setContentsMargins(16, 10, 16, 10);
    auto* caption = new QLabel(title, band);
    caption->setStyleSheet(u"color: white; font: bold 13pt 'Verdana';"_s);
    auto* text = new QLabel(instructions, band);
    text->setWordWrap(true);
    text->setStyleSheet(u"color: white; font: 8pt 'Verdana';"_s);
    column->addWidget(caption);
    column->addWidget(text);
    return band;
}

QHBoxLayout* buttonRow(QPushButton* left, QPushButton* right)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(14, 0, 14, 0);
    row->addWidget(left);
    row->addStretch();
    row->addWidget(right);
    return row;
}

} // namespace Controls
