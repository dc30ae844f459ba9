#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>

#include <optional>

#include "run/runstate.h"

// The run file: a run saved so that it can be opened again, as UTF-8 JSON
// (docs/run-file.md describes every field). It holds the whole run but the
// point in the point box: a point waiting for Yes is not saved, so a run
// opened again has nothing pending and an empty point box.

// The file name extension, without the dot.
inline constexpr QLatin1String kRunFileSuffix("zeph");
// The largest file that is read, in bytes; a larger one is refused unread.
inline constexpr qint64 kRunFileMaxBytes = 16 * 1024 * 1024;
// The most points a file may hold, the current and the finished systems'
// together.
inline constexpr int kRunFileMaxPoints = 100000;
// The version written; a reader refuses a newer one.
inline constexpr int kRunFileVersion = 1;

// What is wrong with run for a run file: a value out of its bounds, a
// numbering or count that does not agree, a name that is not text. Empty
// when the run can be saved and read back as it is. The reader applies the
// same test to what it read.
QString RunFileProblem(const RunState& run);

// The run file of run (one that RunFileProblem accepts): the same bytes for
// the same run.
QByteArray RunFileBytes(const RunState& run);

// A run read from a run file, or why there is none.
struct RunFileResult {
    std::optional<RunState> state;  // the run, its point box empty; none when refused
    QString reason;                 // why the file was refused (Japanese); empty when read
};

// Reads a run file. Refuses, with one reason, anything that is not a whole
// file of this or an earlier version holding a consistent run: unknown
// fields are ignored.
RunFileResult ReadRunFile(const QByteArray& bytes);

// Saves run to path through a temporary file that replaces the old one only
// when complete: on failure the old file is untouched, *reason (when given)
// says why and the result is false. A run RunFileProblem refuses, or one
// whose file would be larger than kRunFileMaxBytes, is not saved.
bool SaveRunFile(const QString& path, const RunState& run, QString* reason = nullptr);

// Reads the run file at path; a file over kRunFileMaxBytes is refused
// before it is read.
RunFileResult LoadRunFile(const QString& path);
