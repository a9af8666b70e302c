#pragma once

#include <QString>

// A pointer position or size as the read-outs show it: the shortest decimal
// form that reads back as the same number, so whole pixels have no decimals.
QString decimalText(float value);
