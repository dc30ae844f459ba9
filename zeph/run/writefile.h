#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <string>

#include "corvo/zephdata.h"
#include "run/autocalret.h"
#include "run/runstate.h"

// What a report is written from: copies of the run's lists, taken when the
// write starts.
struct ReportData {
    QList<CZephData> points;      // every table's points in chart order; N counts within a table
    QStringList systemNames;      // one name per table, in the same order
    QList<CAutoCal_Ret> results;  // the capacity results, one block each
};

// What the report of a run holds: its finished systems (the finish
// archives the last one) and the capacity results archived with them.
ReportData ReportOf(const RunState& run);

// The report of a run: one table of points per system (a point numbered 1
// starts a table) with the full air state of each point, one block per
// capacity result, and an end line. UTF-8 text with '\n' line ends and no
// byte-order mark; numbers with C-locale rules whatever the desktop locale.
// Names are padded by display width (a wide character counts two columns)
// and written as they stand. The capacity blocks are in the language of the
// interface (the translator installed on the application); the tables of
// points are the same in every language.
class CWriteFile {
    Q_DECLARE_TR_FUNCTIONS(CWriteFile)

  public:
    enum class Result {
        Written,    // the file holds the whole report
        Cancelled,  // the user cancelled the save dialog; nothing written
        Failed,     // the write failed and was reported; any earlier file is unchanged
    };

    // today: the date in every table header, taken once per write.
    explicit CWriteFile(ReportData data, QDate today = QDate::currentDate());

    // Lets the user confirm or change folder/base.txt in a save dialog and
    // writes the report there, through the file library's user interface. A
    // file that cannot be created is reported and the dialog comes again; a
    // later failure (a full disk) is reported and gives Failed.
    Result Write(const QString& baseName, const QString& folder);

    // The whole report.
    std::string Text() const;

    // Columns the text takes in a fixed-pitch Japanese font: two for a wide
    // or full-width character, none for a combining mark, one otherwise.
    static int DisplayWidth(const QString& text);

  private:
    QString PointLine(const CZephData& point) const;
    QString TableHeader(const QString& name) const;
    QString CapacityBlock(const CAutoCal_Ret& result) const;

    ReportData m_data;
    QDate m_today;
};
