// The reader of the run file: the bytes through QJsonDocument, every field
// taken with its type checked, then the run tested as a whole (by
// RunFileProblem) before it is handed out.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

#include "run/runfile.h"
#include "run/runfileformat.h"
#include "run/runfilereasons.h"

using namespace zeph::runfile;

namespace {

// Thrown by the field readers with the reason the file is refused; caught
// by ReadRunFile.
struct Refusal {
    QString reason;
};

[[noreturn]] void Refuse(QString reason) {
    throw Refusal{std::move(reason)};
}

// Where a value lies in the file, for the texts: finishedSystems[1].points[2].Db.
// Spelled out only when a text needs it.
struct Path {
    const Path* parent = nullptr;
    QLatin1String key;
    qsizetype index = -1;

    Path Child(QLatin1String childKey) const { return Path{this, childKey, -1}; }
    Path Item(qsizetype childIndex) const { return Path{this, {}, childIndex}; }

    QString Text() const {
        QString head = parent != nullptr ? parent->Text() : QString();
        if (index >= 0) {
            return head + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
        }
        return head.isEmpty() ? QString(key) : head + QLatin1Char('.') + key;
    }
};

// The fields of one JSON object at path at.
class Fields {
  public:
    Fields(QJsonObject object, const Path& at) : m_object(std::move(object)), m_at(at) {}

    QJsonValue Value(QLatin1String key) const {
        const auto it = m_object.constFind(key);
        if (it == m_object.constEnd()) {
            Refuse(MissingText(m_at.Child(key).Text()));
        }
        return it.value();
    }

    double Number(QLatin1String key) const {
        const QJsonValue v = Value(key);
        if (v.isDouble()) {
            return v.toDouble();
        }
        if (v.isString() && v.toString() == kNegativeZero) {
            return -0.0;
        }
        Refuse(WrongTypeText(m_at.Child(key).Text()));
    }

    int Integer(QLatin1String key) const {
        const QJsonValue v = Value(key);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::trunc(d) || d < INT_MIN || d > INT_MAX) {
            Refuse(WrongTypeText(m_at.Child(key).Text()));
        }
        return static_cast<int>(d);
    }

    bool Boolean(QLatin1String key) const {
        const QJsonValue v = Value(key);
        if (!v.isBool()) {
            Refuse(WrongTypeText(m_at.Child(key).Text()));
        }
        return v.toBool();
    }

    QString Text(QLatin1String key) const {
        const QJsonValue v = Value(key);
        if (!v.isString()) {
            Refuse(WrongTypeText(m_at.Child(key).Text()));
        }
        QString text = v.toString();
        // A lone surrogate, written as an escape, is no character.
        if (!text.isValidUtf16()) {
            Refuse(NotTextText(m_at.Child(key).Text()));
        }
        return text;
    }

    QJsonObject Object(QLatin1String key) const {
        const QJsonValue v = Value(key);
        if (!v.isObject()) {
            Refuse(WrongTypeText(m_at.Child(key).Text()));
        }
        return v.toObject();
    }

    QJsonArray Array(QLatin1String key) const {
        const QJsonValue v = Value(key);
        if (!v.isArray()) {
            Refuse(WrongTypeText(m_at.Child(key).Text()));
        }
        return v.toArray();
    }

    template <typename Record, std::size_t N>
    void Numbers(Record* record, const NumberField<Record> (&fields)[N]) const {
        for (const NumberField<Record>& field : fields) {
            record->*field.member = Number(field.key);
        }
    }

  private:
    QJsonObject m_object;
    const Path& m_at;
};

QJsonObject ObjectAt(const QJsonArray& array, qsizetype index, const Path& at) {
    const QJsonValue v = array.at(index);
    if (!v.isObject()) {
        Refuse(WrongTypeText(at.Text()));
    }
    return v.toObject();
}

// True when the error lies in the last, unfinished token: the file ends
// inside a string, a number, a literal or an open object or array.
bool EndsUnfinished(const QByteArray& bytes, const QJsonParseError& error) {
    constexpr qsizetype kLongestPartialToken = 8;  // "\uXXXX", "false", a UTF-8 sequence
    if (error.error == QJsonParseError::GarbageAtEnd) {
        return false;
    }
    const QByteArrayView tail =
        QByteArrayView(bytes).sliced(std::min<qsizetype>(error.offset, bytes.size()));
    if (tail.size() > kLongestPartialToken) {
        return false;
    }
    for (const char c : tail) {
        if (QByteArrayView(" \t\r\n{}[],:\"").contains(c)) {
            return false;
        }
    }
    return true;
}

QString ParseErrorText(const QByteArray& bytes, const QJsonParseError& error) {
    if (error.error == QJsonParseError::DeepNesting) {
        return TooDeepText();
    }
    if (EndsUnfinished(bytes, error)) {
        return TruncatedText();
    }
    if (error.error == QJsonParseError::IllegalUTF8String) {
        return InvalidUtf8Text();
    }
    if (error.error == QJsonParseError::IllegalNumber) {
        return BadNumberText(error.offset + 1);
    }
    return BrokenText(error.offset + 1);
}

// Refuses a file that nests deeper, or holds more objects and arrays, than
// any run needs, before QJsonDocument spends time and memory on it (a
// file of nothing but "[1]," takes it seconds and hundreds of MiB).
void CheckShape(const QByteArray& bytes) {
    int depth = 0;
    qsizetype containers = 0;
    bool inString = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (inString) {
            if (c == '\\') {
                ++i;  // the escaped character cannot end the string
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxDepth) {
                Refuse(TooDeepText());
            }
            if (++containers > kMaxContainers) {
                Refuse(TooManyPartsText());
            }
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
}

// The first byte after a byte-order mark and white space.
qsizetype ContentStart(const QByteArray& bytes) {
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes.at(i))) {
        ++i;
    }
    return i;
}

QJsonObject RootObject(const QByteArray& bytes) {
    if (bytes.size() > kRunFileMaxBytes) {
        Refuse(TooLargeText());
    }
    const qsizetype start = ContentStart(bytes);
    if (start == bytes.size()) {
        Refuse(EmptyText());
    }
    if (bytes.at(start) != '{') {
        Refuse(NotRunFileText());
    }
    CheckShape(bytes);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        Refuse(ParseErrorText(bytes, error));
    }
    return document.object();
}

// The format name, then the version: a newer file is refused before any
// other field is looked at.
void CheckFormatAndVersion(const QJsonObject& root) {
    if (root.value(kKeyFormat) != QJsonValue(kFormatName)) {
        Refuse(NotRunFileText());
    }
    const QJsonValue v = root.value(kKeyVersion);
    const double version = v.toDouble();
    if (v.isUndefined()) {
        Refuse(MissingText(kKeyVersion));
    }
    if (!v.isDouble() || version != std::trunc(version) || version < 1) {
        Refuse(WrongTypeText(kKeyVersion));
    }
    if (version > kRunFileVersion) {
        Refuse(NewerVersionText(QString::number(version, 'g', QLocale::FloatingPointShortest)));
    }
}

// The points of one system, numbered 1 … in order; system is -1 for the
// system being drawn. total counts the points read so far.
void ReadPoints(const QJsonArray& array, const Path& at, qsizetype system, qsizetype* total,
                QList<CZephData>* points) {
    *total += array.size();
    if (*total > kRunFileMaxPoints) {
        Refuse(TooManyPointsText());
    }
    points->reserve(points->size() + array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const Path item = at.Item(i);
        const Fields fields(ObjectAt(array, i, item), item);
        CZephData point;
        point.N = fields.Integer(kKeyNumber);
        if (point.N != i + 1) {
            const QString place = system < 0 ? CurrentPointPlace(i) : FinishedPointPlace(system, i);
            Refuse(NumberingText(place, point.N, static_cast<int>(i + 1)));
        }
        point.Pn = fields.Text(kKeyName).toStdString();
        point.Style = static_cast<STYLE>(fields.Integer(kKeyStyle));
        fields.Numbers(&point, kPointNumbers);
        points->append(point);
    }
}

CAutoCal_Ret ReadResult(const Fields& fields) {
    CAutoCal_Ret result;
    result.name = fields.Text(kKeyName);
    result.system = fields.Integer(kKeyCapacitySystem);
    fields.Numbers(&result, kResultNumbers);
    return result;
}

void ReadCapacity(const Fields& root, const Path& top, RunState* run) {
    const Path at = top.Child(kKeyCapacity);
    const Fields capacity(root.Object(kKeyCapacity), at);

    const Path conditionsAt = at.Child(kKeyConditions);
    const Fields conditions(capacity.Object(kKeyConditions), conditionsAt);
    run->eqcInput.roomName = conditions.Text(kKeyRoomName);
    run->eqcInput.system = conditions.Integer(kKeyCapacitySystem);
    conditions.Numbers(&run->eqcInput, kConditionNumbers);

    const Path lastAt = at.Child(kKeyLastResult);
    run->eqcResult = ReadResult(Fields(capacity.Object(kKeyLastResult), lastAt));
    run->eqcPending = capacity.Boolean(kKeyLastResultPending) ? 1 : 0;

    const Path archiveAt = at.Child(kKeyArchivedResults);
    const QJsonArray archive = capacity.Array(kKeyArchivedResults);
    run->eqcResults.reserve(archive.size());
    for (qsizetype i = 0; i < archive.size(); ++i) {
        const Path item = archiveAt.Item(i);
        run->eqcResults.append(ReadResult(Fields(ObjectAt(archive, i, item), item)));
    }
}

RunState ReadRun(const QByteArray& bytes) {
    const QJsonObject rootObject = RootObject(bytes);
    CheckFormatAndVersion(rootObject);
    const Path top;
    const Fields root(rootObject, top);

    RunState run;
    run.pressureText = root.Text(kKeyPressure);
    run.unitMode = root.Integer(kKeyUnitMode);
    const Path rangeAt = top.Child(kKeyViewRange);
    Fields(root.Object(kKeyViewRange), rangeAt).Numbers(&run.range, kViewRangeNumbers);
    run.rangePreset = root.Integer(kKeyRangePreset);

    qsizetype total = 0;
    const Path systemAt = top.Child(kKeySystem);
    const Fields system(root.Object(kKeySystem), systemAt);
    run.systemName = system.Text(kKeyName);
    run.pointNo = system.Integer(kKeyPointNo);
    ReadPoints(system.Array(kKeyPoints), systemAt.Child(kKeyPoints), -1, &total, &run.points);

    const Path finishedAt = top.Child(kKeyFinishedSystems);
    const QJsonArray finished = root.Array(kKeyFinishedSystems);
    for (qsizetype s = 0; s < finished.size(); ++s) {
        const Path item = finishedAt.Item(s);
        const Fields fields(ObjectAt(finished, s, item), item);
        run.systemNames.append(fields.Text(kKeyName));
        const QJsonArray points = fields.Array(kKeyPoints);
        if (points.isEmpty()) {
            Refuse(EmptySystemText(s));
        }
        ReadPoints(points, item.Child(kKeyPoints), s, &total, &run.allPoints);
    }
    run.systemCount = static_cast<int>(run.systemNames.size());
    run.archivedCount = static_cast<int>(run.allPoints.size());

    ReadCapacity(root, top, &run);
    return run;
}

}  // namespace

RunFileResult ReadRunFile(const QByteArray& bytes) {
    try {
        RunState run = ReadRun(bytes);
        QString problem = RunFileProblem(run);
        if (!problem.isEmpty()) {
            return {std::nullopt, std::move(problem)};
        }
        return {std::move(run), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.reason};
    }
}
