#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "chart/chartfamilies.h"
#include "chart/sheetdrawing.h"
#include "corvo/corvofunction.h"

// What the builders of the line families share while they lay out one
// view: the engine, the mapping and the labels placed so far.
namespace familylayout {

// Height of a family label's cell, logical units.
constexpr double kLabelUnits = 22;

struct Context {
    explicit Context(const FamilyView& v);

    const FamilyView view;
    const CCorvoFunction f;  // enthalpy in kcal/kg(DA)
    const sheet::SheetFont labelFont{sheet::GothicFont(), kLabelUnits};
    QRectF plot;          // the plotting area, logical units
    QList<QRectF> taken;  // the boxes of the labels placed so far

    // Exact logical position of the state (t °C, x kg/kg).
    QPointF MapF(double t, double x) const;
    // Saturation humidity ratio at t, as the engine's solvers take it.
    double Saturation(double t) const;
    // Adds the label to out when box lies on the sheet and covers no label
    // placed before; true then.
    bool Place(QList<SheetLabel>& out, const QString& text, QRectF box);
};

// The SHF protractor in the upper-left corner of the plotting area, when
// that corner lies above saturation.
void BuildShfScale(Context& c, FamilyGeometry& g);

}  // namespace familylayout
