// Structural similarity of the slides of two galleries: for every img*.jpg in the first
// folder, the SSIM of its luma against the file of the same name in the second, over 8 x 8
// windows in steps of 4 (the usual constants for 8-bit values). Prints the count, the lowest
// and the mean SSIM.
#include <cstdio>
#include <jpeglib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct TLuma {
    int Width = 0, Height = 0;
    std::vector<double> Values;
};

TLuma ReadLuma(const std::filesystem::path& path)
{
    TLuma luma;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return luma;
    jpeg_decompress_struct decoder{};
    jpeg_error_mgr error{};
    decoder.err = jpeg_std_error(&error);
    jpeg_create_decompress(&decoder);
    jpeg_stdio_src(&decoder, file);
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_GRAYSCALE;
    jpeg_start_decompress(&decoder);
    luma.Width = static_cast<int>(decoder.output_width);
    luma.Height = static_cast<int>(decoder.output_height);
    std::vector<JSAMPLE> row(decoder.output_width);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW target = row.data();
        jpeg_read_scanlines(&decoder, &target, 1);
        luma.Values.insert(luma.Values.end(), row.begin(), row.end());
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    std::fclose(file);
    return luma;
}

double Ssim(const TLuma& a, const TLuma& b)
{
    const double c1 = (0.01 * 255) * (0.01 * 255), c2 = (0.03 * 255) * (0.03 * 255);
    const int window = 8, step = 4;
    double total = 0;
    int windows = 0;
    for (int y = 0; y + window <= a.Height; y += step)
        for (int x = 0; x + window <= a.Width; x += step) {
            double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
            for (int v = y; v < y + window; ++v)
                for (int u = x; u < x + window; ++u) {
                    double p = a.Values[size_t(v) * a.Width + u], q = b.Values[size_t(v) * b.Width + u];
                    sa += p, sb += q, saa += p * p, sbb += q * q, sab += p * q;
                }
            double n = window * window, ma = sa / n, mb = sb / n;
            double va = saa / n - ma * ma, vb = sbb / n - mb * mb, cov = sab / n - ma * mb;
            total += ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
            ++windows;
        }
    return windows ? total / windows : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ssim FOLDER_A FOLDER_B\n");
        return 2;
    }
    std::vector<double> values;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::string name = entry.path().filename().string();
        if (!name.starts_with("img") || entry.path().extension() != ".jpg") continue;
        TLuma a = ReadLuma(entry.path()), b = ReadLuma(std::filesystem::path(argv[2]) / name);
        if (a.Values.empty() || a.Width != b.Width || a.Height != b.Height) {
            std::fprintf(stderr, "ssim: %s differs in size or is missing\n", name.c_str());
            return 1;
        }
        values.push_back(Ssim(a, b));
    }
    if (values.empty()) {
        std::fprintf(stderr, "ssim: no slides in %s\n", argv[1]);
        return 1;
    }
    double sum = 0;
    for (double v : values)
        sum += v;
    std::printf("%zu %.4f %.4f\n", values.size(), *std::min_element(values.begin(), values.end()),
                sum / values.size());
    return 0;
}
