#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QStringList>

#include <limits>

// A paint device that keeps the text drawn on it, one piece per text item
// (a text of two scripts comes in a piece for each), and draws nothing.
// An A4 landscape page of 2800 × 1900 pixels at 254 dpi.
class TextRecorder : public QPaintDevice {
  public:
    QStringList texts;
    QPaintEngine* paintEngine() const override { return &m_engine; }

  protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
            case PdmWidth:
                return 2800;
            case PdmHeight:
                return 1900;
            case PdmWidthMM:
                return 277;
            case PdmHeightMM:
                return 190;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 254;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return std::numeric_limits<int>::max();
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    class Engine : public QPaintEngine {
      public:
        explicit Engine(QStringList& texts) : m_texts(texts) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem& item) override {
            m_texts << item.text();
        }
        Type type() const override { return QPaintEngine::User; }

      private:
        QStringList& m_texts;
    };
    mutable Engine m_engine{texts};
};
