#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>
#include <optional>

#include "chart/chartfamilies.h"

// A picture of the chart's background (the sheet with its grid, scales and
// curves, and the line families shown), kept in device pixels between
// paints. It is drawn afresh when what it shows changes (view range,
// pressure, unit mode, families shown, language) or the target does (size, pixel
// ratio, pixel format, render hints, layout direction), and otherwise
// copied to the target pixel for pixel: the same pixels as drawing the
// background there.
class CSheetCache {
  public:
    // What paints the background into the rectangle it is given.
    using Painter = std::function<void(QPainter&, const QRect&)>;

    // Resets painter's world transform and puts the background of client
    // (device pixels of painter) on it through the picture, drawing that
    // first with draw when it is missing or stale. False, and nothing drawn, when
    // painter is not one that takes an exact copy: a device other than a
    // 32-bit RGB image (a vector device, a printer), a device mapping other
    // than a shift by whole pixels at a whole pixel ratio, a client far
    // from the world's origin, opacity, a composition mode or an opaque
    // background; the caller draws directly.
    bool Draw(QPainter& painter, const QRect& client, const FamilyView& view,
              const ChartFamilies& shown, const Painter& draw);

  private:
    struct Key {
        FamilyView view;
        ChartFamilies shown;
        QRect client;
        int ratio = 1;
        QImage::Format format = QImage::Format_Invalid;
        QPainter::RenderHints hints;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        // The axis titles, which follow the interface's language.
        QString dryBulbTitle;
        QString humidityTitle;
        friend bool operator==(const Key&, const Key&) = default;
    };
    std::optional<Key> m_key;
    QImage m_picture;
};
