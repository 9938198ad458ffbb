#pragma once

#include "worksheet/inputcheck.h"

#include <QString>

// What the pupil is told when a typed text cannot be decomposed.
QString refusalMessage(const InputCheck& check, const QString& typed);

// What the pupil is told when a run could not draw a number the check had accepted.
QString runFailureMessage(const QString& typed);
