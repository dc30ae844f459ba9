#pragma once

// Every text the run file gives for a file it refuses or a run it cannot
// save, and the names of the places in a run those texts point to.

#include <QString>

#include "run/runfileformat.h"

namespace zeph::runfile {

// --- the file as a whole ----------------------------------------------------
QString TooLargeText();
QString EmptyText();
QString NotRunFileText();
QString TruncatedText();
// A JSON syntax error at byte offset (counted from 1).
QString BrokenText(qint64 offset);
// A number JSON cannot hold (too large for a double, say) at byte offset.
QString BadNumberText(qint64 offset);
QString InvalidUtf8Text();
QString TooDeepText();
QString TooManyPartsText();
QString NewerVersionText(const QString& version);
QString TooManyPointsText();

// --- a field, named by its path in the file ---------------------------------
QString MissingText(const QString& path);
QString WrongTypeText(const QString& path);
// A text with a lone surrogate (\ud800 written as an escape).
QString NotTextText(const QString& path);
QString EmptySystemText(qsizetype system);

// --- a place in the run -------------------------------------------------------
QString CurrentPointPlace(qsizetype index);
QString FinishedPointPlace(qsizetype system, qsizetype index);
QString SettingsPlace();
QString ViewRangePlace();
QString ConditionsPlace();
QString LastResultPlace();
QString ArchivedResultPlace(qsizetype index);
QString CurrentSystemPlace();
QString FinishedSystemPlace(qsizetype system);

// --- what is wrong there ------------------------------------------------------
QString OutOfRangeText(const QString& place, QLatin1String key, double value, const Bounds& bounds);
QString ChoiceText(const QString& place, QLatin1String key, int value, int max);
QString NumberingText(const QString& place, int number, int expected);
QString PointNoText(int pointNo, qsizetype count);
QString SystemCountText();
QString ViewRangeOrderText();
QString PressureTextText(const QString& text);
QString NameNotTextText(const QString& place);

// --- the file system ----------------------------------------------------------
QString CannotOpenText(const QString& path, const QString& error);
QString CannotReadText(const QString& path, const QString& error);
QString CannotSaveText(const QString& path, const QString& error);

}  // namespace zeph::runfile
