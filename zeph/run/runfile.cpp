// The run file: the test of a run before it is saved (and after it is
// read), the writer, and saving and loading through the file system. The
// reader is in runfilereader.cpp.

#include "run/runfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSaveFile>

#include <cmath>
#include <string>

#include "run/runfileformat.h"
#include "run/runfilereasons.h"
#include "tolvex/checkdata.h"

using namespace zeph::runfile;

namespace {

// --- the test -----------------------------------------------------------------

// True when the text survives the way into the file and back.
bool IsText(const std::string& bytes) {
    return QString::fromStdString(bytes).toStdString() == bytes;
}

bool IsText(const QString& text) {
    return text.isValidUtf16();
}

// A pressure as the pressure box accepts it: a plain number (no thousands
// separator, no blanks around it) in the program's range.
bool IsPressureText(const QString& text) {
    const std::string bytes = text.toStdString();
    return !text.isEmpty() && text == text.trimmed() && !text.contains(QLatin1Char(',')) &&
           CCheckData().Inspect_nData(bytes) == 1 && kPressure.Contains(tolvex::CAtof(bytes));
}

template <typename Record, std::size_t N>
QString NumbersProblem(const Record& record, const NumberField<Record> (&fields)[N],
                       const QString& place) {
    for (const NumberField<Record>& field : fields) {
        const double v = record.*field.member;
        if (!field.bounds.Contains(v)) {
            return OutOfRangeText(place, field.key, v, field.bounds);
        }
    }
    return {};
}

// The point must carry number expected; place() names it, only for a text.
template <typename Place>
QString PointProblem(const CZephData& point, int expected, Place place) {
    if (point.N != expected) {
        return NumberingText(place(), point.N, expected);
    }
    const int style = point.Style;
    if (style < kMinStyle || style > kMaxStyle) {
        return ChoiceText(place(), kKeyStyle, style, kMaxStyle);
    }
    if (!IsText(point.Pn)) {
        return NameNotTextText(place());
    }
    for (const NumberField<CZephData>& field : kPointNumbers) {
        const double v = point.*field.member;
        if (!field.bounds.Contains(v)) {
            return OutOfRangeText(place(), field.key, v, field.bounds);
        }
    }
    return {};
}

QString CapacityProblem(const QString& name, int system, const QString& place) {
    if (!IsText(name)) {
        return NameNotTextText(place);
    }
    if (system < 0 || system > kMaxCapacitySystem) {
        return ChoiceText(place, kKeyCapacitySystem, system, kMaxCapacitySystem);
    }
    return {};
}

QString ResultProblem(const CAutoCal_Ret& result, const QString& place) {
    QString problem = CapacityProblem(result.name, result.system, place);
    return problem.isEmpty() ? NumbersProblem(result, kResultNumbers, place) : problem;
}

QString SettingsProblem(const RunState& run) {
    if (!IsPressureText(run.pressureText)) {
        return PressureTextText(run.pressureText);
    }
    if (run.unitMode < 0 || run.unitMode > kMaxUnitMode) {
        return ChoiceText(SettingsPlace(), kKeyUnitMode, run.unitMode, kMaxUnitMode);
    }
    if (run.rangePreset < 0 || run.rangePreset >= kPresetCount) {
        return ChoiceText(ViewRangePlace(), kKeyRangePreset, run.rangePreset, kPresetCount - 1);
    }
    QString problem = NumbersProblem(run.range, kViewRangeNumbers, ViewRangePlace());
    if (problem.isEmpty() &&
        !(run.range.minDb < run.range.maxDb && run.range.minXi < run.range.maxXi)) {
        problem = ViewRangeOrderText();
    }
    return problem;
}

QString SystemsProblem(const RunState& run) {
    if (!IsText(run.systemName)) {
        return NameNotTextText(CurrentSystemPlace());
    }
    for (qsizetype i = 0; i < run.points.size(); ++i) {
        const QString problem = PointProblem(run.points.at(i), static_cast<int>(i + 1),
                                             [i] { return CurrentPointPlace(i); });
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    if (run.pointNo != run.points.size()) {
        return PointNoText(run.pointNo, run.points.size());
    }
    // A finished system's points start again at 1.
    qsizetype system = -1;
    int previous = 0;
    for (const CZephData& point : run.allPoints) {
        if (point.N == 1 || system < 0) {
            ++system;
            previous = 0;
        }
        const QString problem = PointProblem(point, previous + 1, [system, previous] {
            return FinishedPointPlace(system, previous);
        });
        if (!problem.isEmpty()) {
            return problem;
        }
        previous = point.N;
    }
    if (run.systemCount != system + 1 || run.systemNames.size() != run.systemCount ||
        run.archivedCount != run.allPoints.size()) {
        return SystemCountText();
    }
    for (qsizetype s = 0; s < run.systemNames.size(); ++s) {
        if (!IsText(run.systemNames.at(s))) {
            return NameNotTextText(FinishedSystemPlace(s));
        }
    }
    return {};
}

QString CapacitySizingProblem(const RunState& run) {
    QString problem =
        CapacityProblem(run.eqcInput.roomName, run.eqcInput.system, ConditionsPlace());
    if (problem.isEmpty()) {
        problem = NumbersProblem(run.eqcInput, kConditionNumbers, ConditionsPlace());
    }
    if (problem.isEmpty()) {
        problem = ResultProblem(run.eqcResult, LastResultPlace());
    }
    if (problem.isEmpty() && run.eqcPending != 0 && run.eqcPending != 1) {
        problem = ChoiceText(LastResultPlace(), kKeyLastResultPending, run.eqcPending, 1);
    }
    for (qsizetype i = 0; problem.isEmpty() && i < run.eqcResults.size(); ++i) {
        problem = ResultProblem(run.eqcResults.at(i), ArchivedResultPlace(i));
    }
    return problem;
}

// --- the writer ---------------------------------------------------------------

QJsonValue NumberValue(double v) {
    if (v == 0.0 && std::signbit(v)) {
        return QJsonValue(kNegativeZero);
    }
    return QJsonValue(v);
}

template <typename Record, std::size_t N>
void InsertNumbers(QJsonObject* object, const Record& record,
                   const NumberField<Record> (&fields)[N]) {
    for (const NumberField<Record>& field : fields) {
        object->insert(field.key, NumberValue(record.*field.member));
    }
}

QJsonObject PointObject(const CZephData& point) {
    QJsonObject object;
    object.insert(kKeyNumber, point.N);
    object.insert(kKeyName, QString::fromStdString(point.Pn));
    object.insert(kKeyStyle, static_cast<int>(point.Style));
    InsertNumbers(&object, point, kPointNumbers);
    return object;
}

QJsonArray PointArray(const QList<CZephData>& points, qsizetype first, qsizetype end) {
    QJsonArray array;
    for (qsizetype i = first; i < end; ++i) {
        array.append(PointObject(points.at(i)));
    }
    return array;
}

QJsonObject ResultObject(const CAutoCal_Ret& result) {
    QJsonObject object;
    object.insert(kKeyName, result.name);
    object.insert(kKeyCapacitySystem, result.system);
    InsertNumbers(&object, result, kResultNumbers);
    return object;
}

// The finished systems, allPoints split where a point numbered 1 starts
// the next system.
QJsonArray FinishedSystems(const RunState& run) {
    QJsonArray systems;
    const QList<CZephData>& points = run.allPoints;
    qsizetype first = 0;
    for (qsizetype i = 1; i <= points.size(); ++i) {
        if (i == points.size() || points.at(i).N == 1) {
            QJsonObject system;
            system.insert(kKeyName, run.systemNames.value(systems.size()));
            system.insert(kKeyPoints, PointArray(points, first, i));
            systems.append(system);
            first = i;
        }
    }
    return systems;
}

QJsonObject Capacity(const RunState& run) {
    QJsonObject conditions;
    conditions.insert(kKeyRoomName, run.eqcInput.roomName);
    conditions.insert(kKeyCapacitySystem, run.eqcInput.system);
    InsertNumbers(&conditions, run.eqcInput, kConditionNumbers);

    QJsonArray archive;
    for (const CAutoCal_Ret& result : run.eqcResults) {
        archive.append(ResultObject(result));
    }

    QJsonObject capacity;
    capacity.insert(kKeyConditions, conditions);
    capacity.insert(kKeyLastResult, ResultObject(run.eqcResult));
    capacity.insert(kKeyLastResultPending, run.eqcPending == 1);
    capacity.insert(kKeyArchivedResults, archive);
    return capacity;
}

}  // namespace

QString RunFileProblem(const RunState& run) {
    if (run.points.size() + run.allPoints.size() > kRunFileMaxPoints) {
        return TooManyPointsText();
    }
    QString problem = SettingsProblem(run);
    if (problem.isEmpty()) {
        problem = SystemsProblem(run);
    }
    if (problem.isEmpty()) {
        problem = CapacitySizingProblem(run);
    }
    return problem;
}

QByteArray RunFileBytes(const RunState& run) {
    QJsonObject root;
    root.insert(kKeyFormat, kFormatName);
    root.insert(kKeyVersion, kRunFileVersion);
    root.insert(kKeyPressure, run.pressureText);
    root.insert(kKeyUnitMode, run.unitMode);
    QJsonObject range;
    InsertNumbers(&range, run.range, kViewRangeNumbers);
    root.insert(kKeyViewRange, range);
    root.insert(kKeyRangePreset, run.rangePreset);

    QJsonObject system;
    system.insert(kKeyName, run.systemName);
    system.insert(kKeyPointNo, run.pointNo);
    system.insert(kKeyPoints, PointArray(run.points, 0, run.points.size()));
    root.insert(kKeySystem, system);
    root.insert(kKeyFinishedSystems, FinishedSystems(run));
    root.insert(kKeyCapacity, Capacity(run));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SaveRunFile(const QString& path, const RunState& run, QString* reason) {
    QString why = RunFileProblem(run);
    if (why.isEmpty()) {
        const QByteArray bytes = RunFileBytes(run);
        // Unbuffered: a write the system cuts short (a full disk, a file-size
        // limit) is told at once; through the buffer, Qt 6.4 committed the
        // shortened file as a success.
        QSaveFile file(path);
        if (bytes.size() > kRunFileMaxBytes) {
            why = TooLargeText();  // it could not be opened again
        } else if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            why = CannotSaveText(path, file.errorString());
        } else if (file.write(bytes) != bytes.size() || !file.commit()) {
            why = CannotSaveText(path, file.errorString());
            file.cancelWriting();
        }
    }
    if (reason != nullptr) {
        *reason = why;
    }
    return why.isEmpty();
}

RunFileResult LoadRunFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, CannotOpenText(path, file.errorString())};
    }
    if (file.size() > kRunFileMaxBytes) {
        return {std::nullopt, TooLargeText()};
    }
    // One byte more than allowed: a file that grew since is refused too.
    const QByteArray bytes = file.read(kRunFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, CannotReadText(path, file.errorString())};
    }
    return ReadRunFile(bytes);
}
