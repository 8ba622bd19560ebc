#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where the fields stand on the property card: four sections, each with its panel, its two
// header bars and rows of field names (the tokens of CardForm::buildSection). The record
// order, not the rows, decides Enter and Tab.
namespace ImmobiliCardLayout {

struct Section {
    const char* panel;
    const char* blueHeader;
    const char* redHeader;
    QString title;
    QString hint;
    QList<QStringList> rows;
};

const QList<Section>& sections(); // property, landlord, tenant, contract

} // namespace ImmobiliCardLayout
