// The Slider solver's figures, side by side in one run: table preparation, 1,000 random 4 x 4
// positions (uniform over the solvable ones, fixed seed), the 80-slide position, and 100 random
// positions each of 5 x 5, 8 x 6, 10 x 10 and 20 x 15 (the largest grid the Size menu offers).
// Times are the thread's CPU time, with the wall time beside; every solution is replayed and
// must finish the picture. Usage: solver_figures [positions of 4 x 4, default 1000]
// or: solver_figures COLSxROWS[:POSITIONS] ... (only those shapes, 10 positions each unless given,
// after one solve of the shape whose time is left out: the tables its corner needs are built then)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <vector>

#include "game/slider_solver.h"
#include "unit/slider_positions.h"

namespace {

using quiltra::SliderPosition;
using quiltra::SliderSolution;

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}
double wallMs()
{
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Timed {
    SliderSolution solution;
    double cpu = 0;
    double wall = 0;
};

Timed timedSolve(const SliderPosition& p, quiltra::SliderTables& tables,
                 quiltra::SolveExtent extent = quiltra::SolveExtent::Whole)
{
    const double c = cpuMs();
    const double w = wallMs();
    Timed t{quiltra::solveSlider(p, tables, {}, extent), 0, 0};
    t.cpu = cpuMs() - c;
    t.wall = wallMs() - w;
    if (extent == quiltra::SolveExtent::Whole && !quiltra::test::finishes(p, t.solution.slides)) {
        std::printf("a solution does not finish the picture\n");
        std::exit(1);
    }
    return t;
}

double percentile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}
double mean(const std::vector<double>& v)
{
    double s = 0;
    for (const double x : v)
        s += x;
    return s / double(v.size());
}

} // namespace

// The first-stage and whole-solution times and the lengths of `count` random positions.
void shapeFigures(int cols, int rows, int count, quiltra::SliderTables& tables,
                  std::mt19937_64& random)
{
    std::vector<double> first;
    std::vector<double> whole;
    std::vector<double> ratio;
    double len = 0;
    double bound = 0;
    for (int i = 0; i < count; ++i) {
        const SliderPosition p = quiltra::test::randomSolvable(cols, rows, random);
        first.push_back(timedSolve(p, tables, quiltra::SolveExtent::FirstStage).cpu);
        const Timed t = timedSolve(p, tables);
        whole.push_back(t.cpu);
        len += double(t.solution.slides.size());
        bound += quiltra::test::manhattanBound(p);
        ratio.push_back(double(t.solution.slides.size()) / quiltra::test::manhattanBound(p));
    }
    std::printf("%dx%d, %d positions: first slide %.2f ms mean, %.2f max; whole %.1f ms "
                "mean, %.1f 99th, %.1f max (CPU); length %.1f mean against a Manhattan bound "
                "of %.1f (x%.2f)\n",
                cols, rows, count, mean(first), percentile(first, 1.0), mean(whole),
                percentile(whole, 0.99), percentile(whole, 1.0), len / count, bound / count,
                mean(ratio));
    std::fflush(stdout);
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::strchr(argv[1], 'x') != nullptr) {
        quiltra::SliderTables tables;
        std::mt19937_64 random(2024);
        for (int i = 1; i < argc; ++i) {
            int cols = 0;
            int rows = 0;
            int count = 10;
            if (std::sscanf(argv[i], "%dx%d:%d", &cols, &rows, &count) < 2 || cols < 1 ||
                rows < 1 || count < 1)
                return 2;
            timedSolve(quiltra::test::randomSolvable(cols, rows, random), tables);
            shapeFigures(cols, rows, count, tables, random);
        }
        return 0;
    }
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    quiltra::SliderTables tables;
    for (const auto& [cols, rows] : {std::pair{3, 3}, {4, 4}}) {
        const double c = cpuMs();
        const double w = wallMs();
        tables.get(cols, rows);
        std::printf("tables %dx%d: %.0f ms CPU, %.0f ms wall, %.2f MB kept\n", cols, rows,
                    cpuMs() - c, wallMs() - w, double(tables.bytes()) / (1 << 20));
    }

    std::mt19937_64 random(2024);
    std::vector<double> cpu;
    std::vector<double> wall;
    double length = 0;
    for (int i = 0; i < count; ++i) {
        const Timed t = timedSolve(quiltra::test::randomSolvable(4, 4, random), tables);
        if (!t.solution.shortest)
            return 1;
        cpu.push_back(t.cpu);
        wall.push_back(t.wall);
        length += double(t.solution.slides.size());
    }
    std::printf("4x4, %d random positions: mean %.1f ms CPU (%.1f wall), 99th percentile %.1f ms "
                "CPU (%.1f wall), max %.1f ms CPU; mean length %.2f, all shortest and finishing\n",
                count, mean(cpu), mean(wall), percentile(cpu, 0.99), percentile(wall, 0.99),
                percentile(cpu, 1.0), length / count);

    const SliderPosition hardest{4, 4, {0, 12, 9, 13, 15, 11, 10, 14, 3, 7, 2, 5, 4, 8, 6, 1}};
    const Timed h = timedSolve(hardest, tables);
    std::printf("80-slide position: %zu slides in %.0f ms CPU (%.0f wall)\n",
                h.solution.slides.size(), h.cpu, h.wall);

    for (const auto& [cols, rows] : {std::pair{5, 5}, {8, 6}, {10, 10}, {20, 15}})
        shapeFigures(cols, rows, 100, tables, random);
    return 0;
}
