#pragma once

#include "card/CardSections.h"

// Where the fields stand on the property card: four sections in the order of the record's
// sections (SchedaImmobile::Section), each with its panel, its two header bars and rows of
// field names. The record order, not the rows, decides Enter and Tab.
namespace ImmobiliCardLayout {

const QList<CardSection>& sections(); // property, landlord, tenant, contract

} // namespace ImmobiliCardLayout
