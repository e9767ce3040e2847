#pragma once

#include <QList>

#include "platform/ui/FormField.h"

namespace vantir {

class Dataset;
class SlipRules;

// The record form of the slip screens: every slip field with its caption, input mode and
// heading, in Enter order, with the rules of the screen's SlipRules on entering and
// leaving. The customer and carrier names are reached by Tab and move like their codes;
// DDAY is reached by Enter but not by Tab; the staff name and the two drop-downs move like
// their codes and take the mouse, the staff drop-down being the last stop of Tab. The
// remembered fields carry "*" in their captions where the slip repeats them.
QList<FormField> slipFieldTable(SlipRules& rules, Dataset& billingKinds, Dataset& staff);

}  // namespace vantir
