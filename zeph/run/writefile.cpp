#include "run/writefile.h"

#include <QChar>

#include <utility>

#include "run/constants.h"
#include "tolvex/checkdata.h"
#include "tolvex/exfilecontrol.h"
#include "tolvex/fileui.h"
#include "tolvex/stdiofile.h"

namespace {

// kcal/kg → kJ/kg: the enthalpy divided by this factor.
constexpr double kKcalPerKj = 0.2388886;

// Columns of the rule that heads a capacity block, its title included.
constexpr int kCapacityRuleWidth = 76;

// Code points that take two columns: the East Asian wide and full-width
// blocks (Hangul Jamo, CJK symbols and punctuation, kana, ideographs, Yi,
// Hangul syllables, compatibility and full-width forms, pictographs).
// Half-width katakana (U+FF61 … U+FF9F) take one.
constexpr std::pair<char32_t, char32_t> kWideRanges[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
};

QString Rule(int dashes) {
    return QString(dashes, QLatin1Char('-'));
}

QString Nci(int digits, double value) {
    return QString::fromStdString(CCheckData().nci(digits, value));
}

// text right-aligned in width columns, never cut (what "%5s" does with
// bytes, by display width).
QString PadLeft(const QString& text, int width) {
    const int pad = width - CWriteFile::DisplayWidth(text);
    return pad > 0 ? QString(pad, QLatin1Char(' ')) + text : text;
}

}  // namespace

ReportData ReportOf(const RunState& run) {
    return ReportData{run.allPoints, run.systemNames, run.eqcResults};
}

CWriteFile::CWriteFile(ReportData data, QDate today) : m_data(std::move(data)), m_today(today) {}

int CWriteFile::DisplayWidth(const QString& text) {
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Other_Format) {
            continue;
        }
        bool wide = false;
        for (const auto& [first, last] : kWideRanges) {
            wide = wide || (first <= c && c <= last);
        }
        width += wide ? 2 : 1;
    }
    return width;
}

QString CWriteFile::TableHeader(const QString& name) const {
    QString text =
        QStringLiteral("Location (") + name + QStringLiteral(")  Date (") +
        QString::asprintf("%d %02d %02d", m_today.year(), m_today.month(), m_today.day()) +
        QStringLiteral(")\n");
    const QString rule = Rule(75) + QLatin1Char('\n');
    text += rule;
    text += QString::asprintf("%2s,%5s,%6s,%6s,%6s,%6s,%9s,%9s,%9s,%8s\n", "No", "Name", "  DB  ",
                              "  WB  ", "  RH  ", "Dew Pt", "  Entpy  ", "Entpy(SI)", "    Abs   ",
                              "Density");
    text += QString::asprintf("%8s,%6s,%6s,%6s,%6s,%9s,%9s,%9s,%8s\n", "", " degC ", " degC ",
                              " (%) ", " degC ", "(Kcal/kg)", " (KJ/kg) ", "(Kg/Kg.DA)", "(Kg/m3)");
    text += rule;
    return text;
}

QString CWriteFile::PointLine(const CZephData& p) const {
    // The name is data: it goes in as text, never into a format.
    return QString::asprintf("%02d,", p.GetN()) + PadLeft(QString::fromStdString(p.GetStrPn()), 5) +
           QString::asprintf(",%6.2f,%6.2f,%6.2f,%6.2f,%9.4f,%9.4f,%10.6f,%8.4f\n", p.GetDb(),
                             p.GetWb(), p.GetRh(), p.GetDp(), p.GetHi(), p.GetHi() / kKcalPerKj,
                             p.GetXi(), p.GetDn());
}

QString CWriteFile::CapacityBlock(const CAutoCal_Ret& r) const {
    // Each line is one text to translate, its values right-aligned in the
    // widths of the Japanese layout; the wide blanks (U+3000) are part of
    // that layout, like the ASCII ones.
    auto kw = [](double kcalPerHour) { return Nci(2, kcalPerHour / zeph::kKcalPerKw); };
    auto line = [](const QString& text, const QString& first, const QString& second = {}) {
        return (second.isNull() ? text.arg(first) : text.arg(first, second)) + QLatin1Char('\n');
    };
    auto load = [&](const QString& text, double kcalPerHour) {
        return line(text, PadLeft(Nci(0, kcalPerHour), 8), PadLeft(kw(kcalPerHour), 6));
    };
    QString systemName;
    if (r.system == 0) {
        systemName = tr("単純冷房サイクル");
    } else if (r.system == 1) {
        systemName = tr("ﾊﾞｲﾊﾟｽ制御");
    }
    const QString title = QLatin1Char(' ') + tr("自動計算データ") + QLatin1Char(' ');
    QString text =
        Rule(28) + title + Rule(kCapacityRuleWidth - 28 - DisplayWidth(title)) + QLatin1Char('\n');
    text += QStringLiteral("Location (") + r.name + QStringLiteral(")\n");
    text += line(tr("床面積：%1(㎡) / 天井高：%2(m) "), PadLeft(Nci(1, r.floorArea), 6),
                 PadLeft(Nci(1, r.ceilingHeight), 4));
    text += line(tr("システムの種類：　　%1"), systemName);
    text += load(tr("空調機全熱    ：   %1(kcal/h) / %2(kW) "), r.totalCapacity);
    text += load(tr("空調機顕熱    ：   %1(kcal/h) / %2(kW) "), r.sensibleCapacity);
    text += load(tr("外気負荷      ：   %1(kcal/h) / %2(kW) "), r.outdoorAirLoad);
    text += load(tr("送風機負荷    ：   %1(kcal/h) / %2(kW) "), r.fanLoad);
    text += line(tr("負荷補正再熱  ：     %1(kW) "), PadLeft(kw(r.loadCorrectionReheat), 6));
    text += line(tr("システム再熱  ：     %1(kW) "), PadLeft(kw(r.systemReheat), 6));
    text += line(tr("全送風量      ：     %1(CMH) 換気回数 %2(N/H)"),
                 PadLeft(Nci(0, r.totalAirflow), 6), PadLeft(Nci(1, r.airChangeRate), 4));
    text += line(tr("コイル通過風量：最大%1(CMH) 最小%2(CMH)"),
                 PadLeft(Nci(0, r.coilAirflowMax), 7), PadLeft(Nci(0, r.coilAirflowMin), 7));
    text += line(tr("ﾊﾞｲﾊﾟｽ風量　　：最大%1(CMH) 最小%2(CMH)"),
                 PadLeft(Nci(0, r.bypassAirflow1), 7), PadLeft(Nci(0, r.bypassAirflow2), 7));
    text += line(tr("外気量        ：　   %1(CMH) "), PadLeft(Nci(0, r.outdoorAirflow), 6));
    return text;
}

std::string CWriteFile::Text() const {
    QString text;
    qsizetype table = 0;
    for (const CZephData& point : m_data.points) {
        if (point.GetN() == 1) {
            if (table > 0) {
                text += QLatin1Char('\n');
            }
            // More tables than names: the extra tables go without one.
            text += TableHeader(m_data.systemNames.value(table));
            ++table;
        }
        text += PointLine(point);
    }
    for (const CAutoCal_Ret& result : m_data.results) {
        text += CapacityBlock(result);
    }
    text += Rule(31) + QStringLiteral(" Data End ") + Rule(35) + QLatin1Char('\n');
    return text.toStdString();
}

CWriteFile::Result CWriteFile::Write(const QString& baseName, const QString& folder) {
    const std::string text = Text();
    CStdioFile file;
    if (CExFileControl().OpenDataFileSaveNew(baseName.toStdString(), folder.toStdString(), "txt",
                                             file) == 0) {
        return Result::Cancelled;
    }
    file.WriteString(text);
    if (file.Close()) {
        return Result::Written;
    }
    tolvex::FileUserInterface().MessageBox(file.GetErrorMessage(), tolvex::MsgIcon::Stop,
                                           tolvex::MsgButtons::Ok);
    return Result::Failed;
}
