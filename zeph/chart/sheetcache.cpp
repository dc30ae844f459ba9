#include "chart/sheetcache.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTransform>
#include <cmath>

#include "chart/zephgraph.h"

namespace {

// Pixel ratios the picture is kept for (whole ratios only: the copy must
// land on whole device pixels).
constexpr double kMaxRatio = 4;
// Offsets of the client in the world the picture is kept for, world units.
constexpr int kMaxOffset = 64;

// The format of the 32-bit RGB image painter draws into; Format_Invalid
// for any other device.
QImage::Format RgbImageFormat(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return QImage::Format_Invalid;
    const QPaintDevice* device = engine->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) return QImage::Format_Invalid;
    const QImage::Format format = static_cast<const QImage*>(device)->format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied
               ? format
               : QImage::Format_Invalid;
}

}  // namespace

bool CSheetCache::Draw(QPainter& painter, const QRect& client, const FamilyView& view,
                       const ChartFamilies& shown, const Painter& draw) {
    painter.resetTransform();
    if (client.isEmpty()) return false;
    const QImage::Format format = RgbImageFormat(painter);
    if (format == QImage::Format_Invalid) return false;
    if (painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.backgroundMode() != Qt::TransparentMode) {
        return false;
    }
    const QTransform device = painter.deviceTransform();
    const double ratio = device.m11();
    if (device.type() > QTransform::TxScale || device.m22() != ratio ||
        ratio != std::round(ratio) || ratio < 1 || ratio > kMaxRatio) {
        return false;
    }
    const QRectF target = device.mapRect(QRectF(client));
    if (target != QRectF(target.toRect())) return false;  // not on whole pixels
    // The picture spans the world from (0, 0) to the client's far corner,
    // so that everything in it is drawn at the same world positions as on
    // the target (the same rounding); only the client's part is copied.
    if (client.left() < 0 || client.top() < 0 || client.left() > kMaxOffset ||
        client.top() > kMaxOffset) {
        return false;
    }
    const QRect world(QPoint(0, 0), client.bottomRight());

    const Key key{view,
                  shown,
                  client,
                  static_cast<int>(ratio),
                  format,
                  painter.renderHints(),
                  painter.layoutDirection(),
                  CZephGraph::DryBulbTitle(),
                  CZephGraph::HumidityTitle()};
    if (!m_key || !(*m_key == key)) {
        m_key.reset();
        const QSize pixels = (QSizeF(world.size()) * ratio).toSize();
        if (m_picture.size() != pixels || m_picture.format() != format) {
            m_picture = QImage(pixels, format);
            if (m_picture.isNull()) return false;  // out of memory: draw directly
        }
        // Drawn as on the target, at the same ratio and with the same hints.
        m_picture.setDevicePixelRatio(ratio);
        {
            QPainter picture(&m_picture);
            picture.setRenderHints(picture.renderHints(), false);
            picture.setRenderHints(painter.renderHints(), true);
            picture.setLayoutDirection(painter.layoutDirection());
            picture.setClipRect(client);
            draw(picture, client);
        }
        m_picture.setDevicePixelRatio(1);
        m_key = key;
    }

    // Device pixel for device pixel; the picture is opaque.
    painter.save();
    painter.setWorldTransform(device.inverted());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target, m_picture, QRectF(QRectF(client).topLeft() * ratio, target.size()));
    painter.restore();
    return true;
}
