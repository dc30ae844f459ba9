#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

#include "chart/chartfamilies.h"
#include "chart/sheetcache.h"
#include "chart/sheetdrawing.h"
#include "chart/zephgraph.h"

class QPainter;
struct RunState;

// What a picture of the chart shows besides the run: the line families.
// The window keeps them in its settings.
struct ChartOptions {
    ChartFamilies families;
    friend bool operator==(const ChartOptions&, const ChartOptions&) = default;
};

// The logical mapping of a paint of the chart (all zero before the first).
struct ChartMapping {
    int scaleX = 0;
    int scaleY = 0;
    QPoint origin;
    LogicalRect frame;
};

// The total pressure of a run: its pressure text read with C-locale atof
// rules, hPa (0 when it does not start with a number).
double ChartPressure(const RunState& state);

// Draws the chart of a run: the sheet at the run's pressure, view range and
// unit mode with the line families shown, then each point's process lines
// and its marker, in list order. Keeps what it computed for the next paint
// while what that depends on stays the same: the families' geometry, the
// font of the point numbers and (unless told not to, for a picture drawn
// once) a picture of the background.
class CChartRenderer {
  public:
    explicit CChartRenderer(bool keepBackground = true);
    ~CChartRenderer();
    CChartRenderer(const CChartRenderer&) = delete;
    CChartRenderer& operator=(const CChartRenderer&) = delete;

    // Draws into client (device pixels of painter) and gives the mapping it
    // drew with; the painter's world transform is reset at the end.
    ChartMapping Paint(QPainter& painter, const QRect& client, const RunState& state,
                       const ChartOptions& options);

  private:
    const FamilyGeometry& Families(const FamilyView& view);

    std::optional<FamilyView> m_familyView;  // what m_familyGeometry is for
    FamilyGeometry m_familyGeometry;
    bool m_keepBackground;
    CSheetCache m_sheet;
    std::optional<sheet::SheetFont> m_pointFont;
};
