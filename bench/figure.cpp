#include "figure.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr char kLineTag[] = "FIGURE";
constexpr char kNone[] = "-";

}  // namespace

std::string FigureNumber(double value)
{
    // Three significant digits or more.
    const double size = std::fabs(value);
    const int decimals = size >= 100 ? 1 : size >= 1 ? 2 : 3;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string number = text;
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

void PrintFigure(const Figure& figure)
{
    const std::string baseline = figure.baseline ? FigureNumber(*figure.baseline) : kNone;
    const std::string target = figure.target.empty() ? kNone : figure.target;
    std::printf("%s %s %s %s %s %s %s\n", kLineTag, figure.name.c_str(), FigureNumber(figure.value).c_str(),
                figure.unit.c_str(), baseline.c_str(), target.c_str(), figure.what.c_str());
    std::fflush(stdout);
}

std::string FigurePair(double first, double second, const char* unit)
{
    return FigureNumber(first) + " / " + FigureNumber(second) + " " + unit;
}
