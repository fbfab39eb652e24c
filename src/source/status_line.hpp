#pragma once

#include "source/outcome.hpp"

#include <QString>

#include <string>

namespace sorvanta::source {

// The strip's line for an outcome, in Chinese; a collection's line begins
// with the time of day `clock` ("HH:mm").
QString StatusLine(const Outcome& outcome, const QString& clock);

// The command line's line for the same outcome, in English.
std::string EnglishStatusLine(const Outcome& outcome);

} // namespace sorvanta::source
