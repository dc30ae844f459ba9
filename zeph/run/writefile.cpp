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
    auto kw = [](double kcalPerHour) { return Nci(2, kcalPerHour / zeph::kKcalPerKw); };
    auto load = [&kw](const char* label, double kcalPerHour) {
        return QString::fromUtf8(label) +
               QString::asprintf("   %8s(kcal/h) / %6s(kW) \n",
                                 Nci(0, kcalPerHour).toUtf8().constData(),
                                 kw(kcalPerHour).toUtf8().constData());
    };
    QString systemName;
    if (r.system == 0) {
        systemName = QStringLiteral("単純冷房サイクル");
    } else if (r.system == 1) {
        systemName = QStringLiteral("ﾊﾞｲﾊﾟｽ制御");
    }
    // The wide blanks (U+3000) are part of the layout, like the ASCII ones.
    QString text = Rule(28) + QStringLiteral(" 自動計算データ ") + Rule(32) + QLatin1Char('\n');
    text += QStringLiteral("Location (") + r.name + QStringLiteral(")\n");
    text += QString::asprintf("床面積：%6s(㎡) / 天井高：%4s(m) \n",
                              Nci(1, r.floorArea).toUtf8().constData(),
                              Nci(1, r.ceilingHeight).toUtf8().constData());
    text += QStringLiteral("システムの種類：\u3000\u3000") + systemName + QLatin1Char('\n');
    text += load("空調機全熱    ：", r.totalCapacity);
    text += load("空調機顕熱    ：", r.sensibleCapacity);
    text += load("外気負荷      ：", r.outdoorAirLoad);
    text += load("送風機負荷    ：", r.fanLoad);
    text += QString::asprintf("負荷補正再熱  ：     %6s(kW) \n",
                              kw(r.loadCorrectionReheat).toUtf8().constData());
    text += QString::asprintf("システム再熱  ：     %6s(kW) \n",
                              kw(r.systemReheat).toUtf8().constData());
    text += QString::asprintf("全送風量      ：     %6s(CMH) 換気回数 %4s(N/H)\n",
                              Nci(0, r.totalAirflow).toUtf8().constData(),
                              Nci(1, r.airChangeRate).toUtf8().constData());
    text += QString::asprintf("コイル通過風量：最大%7s(CMH) 最小%7s(CMH)\n",
                              Nci(0, r.coilAirflowMax).toUtf8().constData(),
                              Nci(0, r.coilAirflowMin).toUtf8().constData());
    text += QString::asprintf("ﾊﾞｲﾊﾟｽ風量\u3000\u3000：最大%7s(CMH) 最小%7s(CMH)\n",
                              Nci(0, r.bypassAirflow1).toUtf8().constData(),
                              Nci(0, r.bypassAirflow2).toUtf8().constData());
    text += QString::asprintf("外気量        ：\u3000   %6s(CMH) \n",
                              Nci(0, r.outdoorAirflow).toUtf8().constData());
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
