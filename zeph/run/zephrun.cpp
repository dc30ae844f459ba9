#include "run/zephrun.h"

#include <iterator>

#include "corvo/calc.h"
#include "corvo/corvofunction.h"
#include "run/pointtext.h"

CZephRun::CZephRun(QObject* parent) : QObject(parent) {}

CZephRun::~CZephRun() = default;

// --- points -----------------------------------------------------------------

int CZephRun::GetPointCount() const {
    return static_cast<int>(m_state.points.size());
}

_CORVO CZephRun::GetPointValues(int n) const {
    if (n < 1 || n > GetPointCount()) {
        return zeph::FailedState();
    }
    return m_state.points.at(n - 1).GetValues();
}

QString CZephRun::GetPointName(int n) const {
    if (n < 1 || n > GetPointCount()) {
        return {};
    }
    return QString::fromStdString(m_state.points.at(n - 1).Pn);
}

CZephData CZephRun::MakePointRecord(const _CORVO& values, int number, const QString& name,
                                    int style) {
    CZephData record;
    record.Style = static_cast<STYLE>(style);
    record.N = number;
    record.Pn = name.toStdString();
    record.SetValues(values);
    return record;
}

bool CZephRun::InDisplayRange(const _CORVO& values) const {
    return m_state.range.Contains(values);
}

double CZephRun::EnthalpyFactor() const {
    return CCorvoFunction().CALWKJ(m_state.unitMode < 1 ? 0 : 2);
}

CZephRun::SolveOutcome CZephRun::CalcPointAt(const PointEntry& entry, double P) {
    SetCurrentName(entry.name);

    CDataManager data;
    const std::string db = zeph::EngineText(entry.db);
    const std::string wb = zeph::EngineText(entry.wb);
    const std::string rh = zeph::EngineText(entry.rh);
    const std::string dp = zeph::EngineText(entry.dp);
    const std::string xi = zeph::EngineText(entry.xi);
    data.SetStrDb(db.c_str());
    data.SetStrWb(wb.c_str());
    data.SetStrRh(rh.c_str());
    data.SetStrDp(dp.c_str());
    if (entry.hi.isEmpty()) {
        data.SetStrHi(nullptr);
    } else {
        // The box holds kJ/kg in SI mode; the engine takes kcal/kg. Ten
        // significant digits keep the value exact to far below the display.
        const double kcal = zeph::TextValue(entry.hi) / EnthalpyFactor();
        const QByteArray hi = QString::asprintf("%.10g", kcal).toLatin1();
        data.SetStrHi(hi.constData());
    }
    data.SetStrXi(xi.c_str());

    CCalc calc;
    if (!calc.EnableCalCheck(&data)) {
        return SolveOutcome::Refused;
    }
    const _CORVO r = calc.Cal_CorvoPoint(&data, P);
    if (!InDisplayRange(r)) {
        return SolveOutcome::OutOfRange;
    }
    CurrentPoint solved;
    solved.pending = 1;
    solved.style = zeph::kStylePlain;
    solved.name = entry.name;
    solved.values = r;
    SetCurrent(solved);
    return SolveOutcome::Pending;
}

void CZephRun::ShowStoredPoint(int n) {
    CurrentPoint stored;
    stored.name = GetPointName(n);
    stored.values = GetPointValues(n);
    stored.style = zeph::kStyleHidden;
    stored.pending = corvo::IsFailed(stored.values) ? 0 : 1;
    SetCurrent(stored);
}

CZephRun::Origins CZephRun::OriginOf(const _CORVO& a) {
    Origins o;
    o.db1 = a.Db;
    o.xi1 = a.Xi;
    return o;
}

CZephRun::Origins CZephRun::OriginOf(const _CORVO& a, const _CORVO& b) {
    Origins o = OriginOf(a);
    o.db2 = b.Db;
    o.xi2 = b.Xi;
    return o;
}

bool CZephRun::ResultStep(const _CORVO& r, const QString& label, int style, const Origins& origins,
                          ResultAdd add) {
    if (!InDisplayRange(r)) {
        return false;
    }
    CurrentPoint result;
    result.pending = 1;
    result.style = style;
    result.name = label;
    result.values = r;
    result.values.Db1 = origins.db1;
    result.values.Xi1 = origins.xi1;
    result.values.Db2 = origins.db2;
    result.values.Xi2 = origins.xi2;
    SetCurrent(result);
    if (add == ResultAdd::AtOnce) {
        AddCurrentPoint(1);
        // In the list now: a Yes must not add it a second time.
        SetCurrentPending(0);
    }
    return true;
}

int CZephRun::AddCurrentPoint(int add) {
    if (add == 1) {
        ++m_state.pointNo;
        _CORVO values = m_state.current.values;
        values.Mt = 0.0;  // the auxiliary temperature stays with the process
        AppendPoint(
            MakePointRecord(values, m_state.pointNo, m_state.current.name, m_state.current.style));
    }
    return m_state.pointNo;
}

void CZephRun::AppendPoint(const CZephData& record) {
    m_state.points.append(record);
    Q_EMIT pointsChanged();
}

void CZephRun::SetPointNo(int number) {
    m_state.pointNo = number;
}

void CZephRun::KeepFirstPoints(int count, int pointNo) {
    if (count >= 0 && count < GetPointCount()) {
        m_state.points.resize(count);
    }
    m_state.pointNo = pointNo;
    Q_EMIT pointsChanged();
}

void CZephRun::SetPoints(const QList<CZephData>& points) {
    m_state.points = points;
    Q_EMIT pointsChanged();
}

// --- the current point ------------------------------------------------------

void CZephRun::SetCurrent(const CurrentPoint& current) {
    m_state.current = current;
    Q_EMIT currentPointChanged();
}

void CZephRun::ClearCurrent() {
    SetCurrent(CurrentPoint{});
}

void CZephRun::SetCurrentPending(int pending) {
    m_state.current.pending = pending;
    Q_EMIT currentPointChanged();
}

void CZephRun::SetCurrentStyle(int style) {
    m_state.current.style = style;
    Q_EMIT currentPointChanged();
}

void CZephRun::SetCurrentName(const QString& name) {
    m_state.current.name = name;
    Q_EMIT currentPointChanged();
}

// --- settings -----------------------------------------------------------------

void CZephRun::SetPressureText(const QString& text) {
    m_state.pressureText = text;
    Q_EMIT pressureTextChanged(text);
    Q_EMIT viewChanged();
}

void CZephRun::SetUnitMode(int mode) {
    m_state.unitMode = mode;
    Q_EMIT viewChanged();
}

void CZephRun::SetViewRange(const ViewRange& range) {
    m_state.range = range;
    Q_EMIT viewChanged();
}

void CZephRun::SetRangePreset(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kRangePresets))) {
        return;
    }
    m_state.rangePreset = index;
    SetViewRange(kRangePresets[index]);
}

void CZephRun::SetSystemName(const QString& name) {
    if (name == m_state.systemName) {
        return;
    }
    m_state.systemName = name;
    Q_EMIT systemNameChanged(name);
}

// --- systems ------------------------------------------------------------------

CZephRun::ResetOutcome CZephRun::ResetSystem(const QString& systemName) {
    ResetOutcome outcome;
    m_state.allPoints.append(m_state.points);
    if (m_state.eqcPending == 1) {
        m_state.eqcResults.append(m_state.eqcResult);
        m_state.eqcPending = 0;
        outcome.capacityArchived = true;
    }
    // Conditions stored for this system, run or not, end with it.
    m_state.eqcInput = EqcConditions{};
    if (m_state.allPoints.size() > m_state.archivedCount) {
        m_state.archivedCount = static_cast<int>(m_state.allPoints.size());
        m_state.systemNames.append(systemName);
        ++m_state.systemCount;
        m_state.points.clear();
        m_state.pointNo = 0;
        m_state.current = CurrentPoint{};
        outcome.systemFinished = true;
        Q_EMIT pointsChanged();
        Q_EMIT currentPointChanged();
    }
    Q_EMIT systemChanged();
    return outcome;
}

void CZephRun::FinishRun(const QString& systemName) {
    // Only a result not yet archived: never a default or an earlier one.
    if (m_state.eqcPending == 1) {
        m_state.eqcResults.append(m_state.eqcResult);
    }
    m_state.systemNames.append(systemName);
    m_state.allPoints.append(m_state.points);
    Q_EMIT systemChanged();
}

void CZephRun::EndRun() {
    m_state.points.clear();
    m_state.eqcPending = 0;
    Q_EMIT pointsChanged();
    Q_EMIT systemChanged();
}

QString CZephRun::NextSystemName() const {
    return QString::asprintf("System %d", m_state.systemCount + 1);
}

QString CZephRun::SystemNameOr(const QString& typed) const {
    return typed.trimmed().isEmpty() ? NextSystemName() : typed;
}

// --- capacity sizing ------------------------------------------------------------

void CZephRun::SetEqcInput(const EqcConditions& conditions) {
    m_state.eqcInput = conditions;
    Q_EMIT systemChanged();
}

void CZephRun::SetCapacityResult(const CAutoCal_Ret& result) {
    if (m_state.eqcPending == 1) {
        m_state.eqcResults.append(m_state.eqcResult);
    }
    m_state.eqcResult = result;
    m_state.eqcPending = 1;
    Q_EMIT systemChanged();
}

void CZephRun::Restart() {
    m_state = RunState{};
    Q_EMIT pointsChanged();
    Q_EMIT currentPointChanged();
    Q_EMIT systemChanged();
    Q_EMIT viewChanged();
}

// --- the prompt and the end of a process ----------------------------------------

void CZephRun::SetPrompt(CRunPrompt* prompt) {
    m_prompt = prompt;
}

CRunPrompt& CZephRun::Prompt() {
    static CDefaultAnswers defaultAnswers;
    return m_prompt != nullptr ? *m_prompt : defaultAnswers;
}

bool CZephRun::PresentResult(bool produced, ResultAdd add) {
    if (!produced) {
        AbandonProcess();
        return false;
    }
    Prompt().ResultProduced(add == ResultAdd::AtOnce);
    return true;
}

bool CZephRun::PresentStep(const _CORVO& r, const QString& label, int style, const Origins& origins,
                           ResultAdd add) {
    return PresentResult(ResultStep(r, label, style, origins, add), add);
}

void CZephRun::AbandonProcess() {
    Prompt().Message(zeph::OutOfRangeText(), zeph::MsgIcon::Exclamation, zeph::MsgButtons::Ok);
    EndWithoutResult();
}

void CZephRun::EndWithoutResult() {
    ClearCurrent();
    Prompt().ProcessEnded();
}

// --- history and deleting ---------------------------------------------------------

bool CZephRun::SameLastingState(const RunState& a, const RunState& b) {
    RunState lasting = a;
    lasting.current = b.current;
    return lasting == b;
}

void CZephRun::RestoreState(const RunState& state) {
    m_state = state;
    m_state.current = CurrentPoint{};
    Q_EMIT pointsChanged();
    Q_EMIT currentPointChanged();
    Q_EMIT systemChanged();
    Q_EMIT viewChanged();
    Q_EMIT pressureTextChanged(m_state.pressureText);
    Q_EMIT systemNameChanged(m_state.systemName);
}

bool CZephRun::DeletePoint(int n) {
    if (n < 1 || n > GetPointCount()) {
        return false;
    }
    m_state.points.removeAt(n - 1);
    for (qsizetype i = n - 1; i < m_state.points.size(); ++i) {
        --m_state.points[i].N;
    }
    if (m_state.pointNo > 0) {
        --m_state.pointNo;
    }
    m_state.current = CurrentPoint{};
    Q_EMIT pointsChanged();
    Q_EMIT currentPointChanged();
    return true;
}
