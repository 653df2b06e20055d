#include "views/view3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "views/pixel_math.h"
#include "views/view_colors.h"
#include "views/wing_outline.h"

namespace ws {

namespace {

Matrix4 identity() {
    Matrix4 m{};
    for (int i = 0; i < 4; ++i) m[i][i] = 1;
    return m;
}

// First record of each block per wing 1..3.
constexpr std::array<int, 4> kRightBase{0, 0, 10, 20};
constexpr std::array<int, 4> kLeftBase{0, 40, 50, 60};
constexpr std::array<int, 4> kRightTip4{0, 70, 72, 74};
constexpr std::array<int, 4> kLeftTip4{0, 76, 78, 80};

void setPoint(Point3D& p, double a, double b, double c) {
    p.a = a;
    p.b = b;
    p.c = c;
}

}  // namespace

void MulMatrix(const Matrix4& A, const Matrix4& B, Matrix4& Out) {
    const Matrix4 a = A;
    const Matrix4 b = B;
    for (int r = 0; r < 4; ++r) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[r][k] * b[k][j];
            Out[r][j] = sum;
        }
    }
}

View3DMatrices viewMatrices(int elevation, int azimuth) {
    constexpr double kDegree = std::numbers::pi / 180;
    const double theta1 = (90 - elevation) * kDegree;
    const double theta2 = (360 - azimuth) * kDegree;
    View3DMatrices m;
    m.Rz = m.Rx = m.T = m.P = identity();
    m.Rz[0][0] = std::cos(theta2);
    m.Rz[0][1] = std::sin(theta2);
    m.Rz[1][0] = -std::sin(theta2);
    m.Rz[1][1] = std::cos(theta2);
    m.Rx[1][1] = std::cos(theta1);
    m.Rx[1][2] = std::sin(theta1);
    m.Rx[2][1] = -std::sin(theta1);
    m.Rx[2][2] = std::cos(theta1);
    m.P[1][3] = 1 / kViewDistance;
    MulMatrix(m.Rz, m.Rx, m.M);
    MulMatrix(m.M, m.T, m.M);
    MulMatrix(m.M, m.P, m.M);
    return m;
}

void Trans(View3DPoints& points, const Matrix4& M) {
    for (Point3D& p : points) {
        Matrix4 work{};
        work[0] = {p.a, p.b, p.c, 1};
        MulMatrix(work, M, work);
        const double w = work[0][3];
        if (w > 0) {
            p.v = work[0][2] / w;
            p.u = work[0][0] / w;
        }
    }
}

View3DMatrices Calc3D(View3DPoints& points, int elevation, int azimuth) {
    const View3DMatrices m = viewMatrices(elevation, azimuth);
    Trans(points, m.M);
    return m;
}

void fillView3DPoints(View3DPoints& points, const AircraftDrawing& aircraft, double s) {
    for (int k = 1; k <= kMaxWings; ++k) {
        const WingOutline w = outlineOf(aircraft.planform[k]);
        const double x = aircraft.WingPosX[k];
        const double z = aircraft.WingPosZ[k] * s;
        for (const double side : {1.0, -1.0}) {
            Point3D* r = &points[static_cast<std::size_t>(side > 0 ? kRightBase[k] : kLeftBase[k])];
            setPoint(r[0], side * w.g * s, x * s, z);
            setPoint(r[1], side * w.y[1] * s, (x + w.o[1]) * s, z);
            setPoint(r[2], side * w.y[1] * s, (x + w.o[1] + w.c[1]) * s, z);
            setPoint(r[3], side * w.g * s, (x + w.c0) * s, z);
            for (int i = 2; i <= 3; ++i) {
                setPoint(r[2 * i], side * w.y[i] * s, (x + w.o[i]) * s, z);
                setPoint(r[2 * i + 1], side * w.y[i] * s, (x + w.o[i] + w.c[i]) * s, z);
            }
            Point3D* t = &points[static_cast<std::size_t>(side > 0 ? kRightTip4[k] : kLeftTip4[k])];
            setPoint(t[0], side * w.y[4] * s, (x + w.o[4]) * s, z);
            setPoint(t[1], side * w.y[4] * s, (x + w.o[4] + w.c[4]) * s, z);
        }
    }
    setPoint(points[30], 4000, 0, 0);
    setPoint(points[31], -4000, 0, 0);
    setPoint(points[32], 0, 4000, 0);
    setPoint(points[33], 0, -4000, 0);
    setPoint(points[34], 20, -100, 2);
    setPoint(points[35], 22, -91, 2);
    setPoint(points[36], 18, -90, 2);
    setPoint(points[37], 20, -64, 2);
    setPoint(points[38], 20, -91, 4);
    setPoint(points[39], 20, -90, 0);
}

void d_3d(Canvas& canvas, const AircraftDrawing& aircraft, int elevation, int azimuth, double View3DScale,
          View3DPoints& points) {
    const int cx = canvas.width() / 2;
    const int cy = canvas.height() / 2;
    clearAircraftView(canvas);

    fillView3DPoints(points, aircraft, View3DScale);
    Calc3D(points, elevation, azimuth);

    const auto pixel = [&](int record) {
        const Point3D& p = points[static_cast<std::size_t>(record)];
        return QPoint(cx - truncPixel(p.u), cy - truncPixel(p.v));
    };
    const auto path = [&](std::initializer_list<int> records) {
        bool first = true;
        for (const int r : records) {
            const QPoint p = pixel(r);
            if (first)
                canvas.moveTo(p.x(), p.y());
            else
                canvas.lineTo(p.x(), p.y());
            first = false;
        }
    };

    canvas.setPenWidth(1);
    canvas.setPenColor(Qt::black);
    path({30, 31});
    path({32, 33});
    canvas.setPenColor(Qt::red);
    path({34, 37});
    path({35, 34, 36});
    path({38, 34, 39});

    const int shown = clampedWingCount(aircraft.WingCount);
    for (int k = 1; k <= shown; ++k) {
        const int n = clampedTrapCount(aircraft.planform[k].StationCount - 1);
        const int R = kRightBase[k];
        const int L = kLeftBase[k];
        canvas.setPenColor(viewWingColor(k));
        path({R, R + 1, R + 2, R + 3, R});
        path({L, L + 1, L + 2, L + 3, L});
        if (n >= 2) {
            path({R + 1, R + 4, R + 5, R + 2});
            path({L + 1, L + 4, L + 5, L + 2});
        }
        if (n >= 3) {
            path({R + 4, R + 6, R + 7, R + 5});
            path({L + 4, L + 6, L + 7, L + 5});
        }
        if (n >= 4) {
            path({R + 6, kRightTip4[k], kRightTip4[k] + 1, R + 7});
            path({L + 6, kLeftTip4[k], kLeftTip4[k] + 1, L + 7});
        }
    }
}

double ScrollBar4Change(int position, double TopViewScale) {
    const double scale = (100 - position) * TopViewScale * 0.04;
    return scale > 0 ? scale : 0.0001;
}

}  // namespace ws
