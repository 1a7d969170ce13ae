// Progress of a gallery build on the command line: a bar with the counter and the time left
// on a terminal, one plain line per picture otherwise, nothing when quiet.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace qor {

enum class TProgressStyle { Bar, Lines, Quiet };

// The style for standard output: a bar on a terminal, lines when redirected.
TProgressStyle ProgressStyleFor(bool quiet);

// One bar line: "[#####.....]  7/25  0:12 left" (the counter as Format("%3d/%d")); the time
// left is an estimate from the elapsed time and is left out before the first picture.
std::string ProgressBarLine(int count, int total, double elapsedSeconds, int barWidth = 30);

class TBuildProgress {
public:
    TBuildProgress(TProgressStyle style, int total, std::FILE* out = stdout);
    // Shows that count pictures are finished.
    void Update(int count);
    // Ends the bar line so that later output starts on a line of its own.
    void Finish();

private:
    TProgressStyle FStyle;
    int FTotal;
    std::FILE* FOut;
    std::chrono::steady_clock::time_point FStart = std::chrono::steady_clock::now();
    bool FBarShown = false;
};

} // namespace qor
