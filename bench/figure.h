// One measured figure, printed as one line that scripts/bench gathers into its
// table (README.md here describes the line).
#pragma once

#include <optional>
#include <string>

struct Figure {
    // Lower case words joined by dots or underscores, unique in a run.
    std::string name;
    double value = 0;
    // One word: "x" for a ratio, "ms", "MB", "count", ...
    std::string unit;
    // The same run's baseline in unit, where the value is not already relative to it.
    std::optional<double> baseline;
    // Empty, or a comparison the value should pass, in unit: "<=1.10", "<50".
    std::string target;
    // What was measured, and the absolute figures behind a ratio.
    std::string what;
};

// Prints the figure's line on standard output and flushes it.
void PrintFigure(const Figure& figure);
// A number as the figure lines write it: at least three significant digits
// (one decimal at most from 100 on), no trailing zeros.
std::string FigureNumber(double value);
// Two numbers of the same unit side by side, as a figure's text gives the
// absolute values behind a ratio or a difference: "12.5 / 10 ms".
std::string FigurePair(double first, double second, const char* unit);
