// A paint device writing down each primitive drawn, in the drawing's coordinates, so that a
// drawing is checked by its geometry, colours and texts instead of by pixels.
#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextItem>
#include <cstdio>
#include <string>

#include "views/canvas.h"

namespace ws::test {

class DrawingRecord : public QPaintDevice {
  public:
    explicit DrawingRecord(QSize size) : size_(size) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::string& text() const { return engine_.out; }

    // What `draw` draws on a Canvas of `size` over the whole device.
    template <class Draw>
    static std::string of(QSize size, Draw&& draw) {
        DrawingRecord record(size);
        {
            QPainter painter(&record);
            Canvas canvas(painter, size, QRectF(QPointF(0, 0), QSizeF(size)));
            draw(canvas);
        }
        return record.text();
    }

  protected:
    int metric(PaintDeviceMetric m) const override {
        if (m == PdmWidth || m == PdmWidthMM)
            return m == PdmWidth ? size_.width() : size_.width() * 254 / 960;
        if (m == PdmHeight || m == PdmHeightMM)
            return m == PdmHeight ? size_.height() : size_.height() * 254 / 960;
        if (m >= PdmDpiX && m <= PdmPhysicalDpiY) return 96;
        if (m == PdmDevicePixelRatioScaled) return int(devicePixelRatioFScale());
        return m == PdmDepth ? 32 : m == PdmNumColors ? 0x7fffffff : m == PdmDevicePixelRatio ? 1 : 0;
    }

  private:
    // Integer primitives reach the float overloads through QPaintEngine's own defaults.
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        std::string out, style;
        QTransform transform;
        QPen pen;
        QBrush brush;

        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& s) override {
            if (s.state() & DirtyTransform) transform = s.transform();
            if (s.state() & DirtyPen) pen = s.pen();
            if (s.state() & DirtyBrush) brush = s.brush();
            std::string now = "pen " + colour(pen.style() == Qt::NoPen ? QColor() : pen.color()) + " " +
                              std::to_string(pen.width()) + " " + std::to_string(int(pen.style())) +
                              " brush " + colour(brush.style() == Qt::NoBrush ? QColor() : brush.color());
            if (now != style) out += (style = now) + "\n";
        }
        static std::string colour(const QColor& c) {
            return c.isValid() ? c.name().toStdString() : std::string("none");
        }
        std::string at(QPointF p) const {
            p = transform.map(p);
            char t[48];
            std::snprintf(t, sizeof t, " %.2f,%.2f", p.x(), p.y());
            return t;
        }
        void drawLines(const QLineF* lines, int n) override {
            for (int i = 0; i < n; ++i) out += "line" + at(lines[i].p1()) + at(lines[i].p2()) + "\n";
        }
        void drawRects(const QRectF* rects, int n) override {
            for (int i = 0; i < n; ++i)
                out += "rect" + at(rects[i].topLeft()) + at(rects[i].bottomRight()) + "\n";
        }
        void drawPolygon(const QPointF* points, int n, PolygonDrawMode) override {
            out += "polygon";
            for (int i = 0; i < n; ++i) out += at(points[i]);
            out += "\n";
        }
        void drawPath(const QPainterPath& path) override {
            out += "path";
            for (int i = 0; i < path.elementCount(); ++i) out += at(QPointF(path.elementAt(i)));
            out += "\n";
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            out += "text" + at(p) + " " + item.text().toStdString() + "\n";
        }
        void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
            out += "pixmap" + at(r.topLeft()) + at(r.bottomRight()) + "\n";
        }
        void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
            out += "image" + at(r.topLeft()) + at(r.bottomRight()) + "\n";
        }
    };
    QSize size_;
    mutable Engine engine_;
};

}  // namespace ws::test
