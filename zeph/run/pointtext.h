#pragma once

#include <QString>

#include <string>

#include "corvo/zephdata.h"

// Reading and writing the texts of point boxes, shared by the main window's
// sources.
namespace zeph {

// The text shown when a solved or processed state lies outside the view
// range of the chart.
QString OutOfRangeText();

// True when the number checker accepts text as a number.
bool IsNumberText(const QString& text);

// The text handed to the engine for a property box. A number that the
// checker accepts is passed with its thousands separators removed, so that
// the engine reads the value the checker approved (C atof would stop at the
// first comma: "52,900" would become 52). Any other text goes unchanged.
std::string EngineText(const QString& text);

// Value of a typed number as the engine reads it (see EngineText).
double TextValue(const QString& text);

// One value printed with a C format, C-locale.
QString Format(const char* format, double value);

// A record with the failed value in every state field.
_CORVO FailedState();

}  // namespace zeph
