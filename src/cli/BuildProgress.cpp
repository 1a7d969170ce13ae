#include "cli/BuildProgress.h"

#include "util/DelphiFormat.h"
#include "util/LocalText.h"

#include <cmath>
#include <unistd.h>

namespace qor {

TProgressStyle ProgressStyleFor(bool quiet)
{
    if (quiet) return TProgressStyle::Quiet;
    return isatty(STDOUT_FILENO) ? TProgressStyle::Bar : TProgressStyle::Lines;
}

namespace {

std::string Duration(double seconds)
{
    auto whole = static_cast<int64_t>(std::lround(seconds));
    return Format("%d:%.2d", {whole / 60, whole % 60});
}

} // namespace

std::string ProgressBarLine(int count, int total, double elapsedSeconds, int barWidth)
{
    int filled = total > 0 ? static_cast<int>(static_cast<int64_t>(barWidth) * count / total) : 0;
    std::string line = "[" + std::string(filled, '#') + std::string(barWidth - filled, '.') + "] " +
                       Format("%3d/%d", {count, total});
    if (count > 0 && count < total)
        line += "  " + LocalFormat("%s left", {Duration(elapsedSeconds / count * (total - count))});
    return line;
}

TBuildProgress::TBuildProgress(TProgressStyle style, int total, std::FILE* out)
    : FStyle(style), FTotal(total), FOut(out)
{
}

void TBuildProgress::Update(int count)
{
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - FStart).count();
    switch (FStyle) {
    case TProgressStyle::Quiet: return;
    case TProgressStyle::Lines:
        std::fprintf(FOut, "%s\n", Format("%3d/%d", {count, FTotal}).c_str());
        break;
    case TProgressStyle::Bar:
        // Clear to the end of the line: the estimate may get shorter.
        std::fprintf(FOut, "\r%s\x1b[K", ProgressBarLine(count, FTotal, elapsed).c_str());
        FBarShown = true;
        break;
    }
    std::fflush(FOut);
}

void TBuildProgress::Finish()
{
    if (FBarShown) std::fputc('\n', FOut);
    FBarShown = false;
    std::fflush(FOut);
}

} // namespace qor
