#include "ReferenceResamplers.h"

#include <cmath>

using qor::TBmpScan;

namespace qortest {

namespace {

uint8_t Channel(const TBmpScan& p, int x, int y, int c)
{
    return p.Row(y)[x * 3 + c];
}

double OverlapWeight(int s, double x0, double x1)
{
    if (s > x0 && s + 1 < x1) return 1;
    if (s <= x0 && s + 1 < x1) return 1 - (x0 - s);
    if (s > x0 && s + 1 >= x1) return x1 - s;
    return x1 - x0;
}

} // namespace

TBmpScan ReferenceShrinkArea(const TBmpScan& src, int W, int H)
{
    int SW = src.Width(), SH = src.Height();
    double rx = double(SW) / W, ry = double(SH) / H;
    float A = float(double(SW * SH) / double(W * H));
    TBmpScan dst(W, H);
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            double x0 = i * rx, x1 = (i + 1) * rx - 0.000001;
            double y0 = j * ry, y1 = (j + 1) * ry - 0.000001;
            double sum[3] = {0, 0, 0};
            for (int sy = int(std::floor(y0)); sy <= int(std::floor(y1)); ++sy)
                for (int sx = int(std::floor(x0)); sx <= int(std::floor(x1)); ++sx) {
                    double wx = OverlapWeight(sx, x0, x1), wy = OverlapWeight(sy, y0, y1);
                    for (int c = 0; c < 3; ++c)
                        sum[c] += wx * wy * Channel(src, sx, sy, c);
                }
            for (int c = 0; c < 3; ++c)
                dst.Row(j)[i * 3 + c] = uint8_t(std::nearbyint(sum[c] / A));
        }
    return dst;
}

// Width and centre (from the cell's start) of the overlap of cell [s, s+1] with [x0, x1].
void Overlap(int s, double x0, double x1, double& w, double& centre)
{
    if (s > x0 && s + 1 < x1) {
        w = 1, centre = 0.5;
    } else if (s <= x0 && s + 1 < x1) {
        w = 1 - (x0 - s), centre = ((x0 - s) + 1) / 2;
    } else if (s > x0 && s + 1 >= x1) {
        w = x1 - s, centre = w / 2;
    } else {
        w = x1 - x0, centre = ((x0 - s) + (x1 - s)) / 2;
    }
}

TBmpScan ReferenceResampleAreaBilinear(const TBmpScan& src, int W, int H)
{
    int SW = src.Width(), SH = src.Height();
    double rx = double(SW) / W, ry = double(SH) / H;
    double A = double(SW * SH) / double(W * H);
    TBmpScan dst(W, H);
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            double x0 = i * rx - 0.5, x1 = (i + 1) * rx - 0.500001;
            double y0 = j * ry - 0.5, y1 = (j + 1) * ry - 0.500001;
            double sum[3] = {0, 0, 0};
            for (int sy = int(std::floor(y0)); sy <= int(std::floor(y1)); ++sy)
                for (int sx = int(std::floor(x0)); sx <= int(std::floor(x1)); ++sx) {
                    int ra = sy < 0 ? 0 : sy, rb = sy + 1 > SH - 1 ? SH - 1 : sy + 1;
                    int ca = sx < 0 ? 0 : sx, cb = sx + 1 > SW - 1 ? SW - 1 : sx + 1;
                    double wx, cx, wy, cy;
                    Overlap(sx, x0, x1, wx, cx);
                    Overlap(sy, y0, y1, wy, cy);
                    for (int c = 0; c < 3; ++c) {
                        int p00 = Channel(src, ca, ra, c), p10 = Channel(src, cb, ra, c);
                        int p01 = Channel(src, ca, rb, c), p11 = Channel(src, cb, rb, c);
                        double f = p00 + (p10 - p00) * cx + (p01 - p00) * cy +
                                   (p00 + p11 - p10 - p01) * cx * cy;
                        sum[c] += wx * wy * f;
                    }
                }
            for (int c = 0; c < 3; ++c)
                dst.Row(j)[i * 3 + c] = uint8_t(std::nearbyint(sum[c] / A));
        }
    return dst;
}

TBmpScan ReferenceEnlargeBilinear(const TBmpScan& src, int W, int H)
{
    int SW = src.Width(), SH = src.Height();
    double rx = double(SW) / W, ry = double(SH) / H;
    TBmpScan dst(W, H);
    for (int j = 0; j < H; ++j)
        for (int i = 0; i < W; ++i) {
            double v = (j + 0.5) * ry - 0.5;
            double a = std::floor(v);
            long double fy = (long double)v - a;
            int ra = a < 0 ? 0 : int(a), rb = a + 1 > SH - 1 ? SH - 1 : int(a) + 1;
            double u = (i + 0.5) * rx - 0.5;
            double k = std::floor(u);
            long double fx = (long double)u - k;
            int ca = k < 0 ? 0 : int(k), cb = k + 1 > SW - 1 ? SW - 1 : int(k) + 1;
            for (int c = 0; c < 3; ++c) {
                int p00 = Channel(src, ca, ra, c), p10 = Channel(src, cb, ra, c);
                int p01 = Channel(src, ca, rb, c), p11 = Channel(src, cb, rb, c);
                long double value =
                    p00 + (p10 - p00) * fx + (p01 - p00) * fy + (p00 + p11 - p10 - p01) * fx * fy;
                dst.Row(j)[i * 3 + c] = uint8_t(std::nearbyintl(value));
            }
        }
    return dst;
}

} // namespace qortest
