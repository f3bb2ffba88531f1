// Solves Slider positions read from standard input, one a line: columns, rows, then the cells in
// reading order (0 for the empty cell; finished is 1, 2, 3, ... with the empty cell last). Prints
// for each line the solution's length, the milliseconds it took (thread CPU time, tables built
// beforehand for grids of up to 16 cells) and the slides: the cells, numbered from 0 in reading
// order, whose pieces slide into the empty cell. An unsolvable or malformed line prints -1.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

#include "game/slider_solver.h"

namespace {

double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

} // namespace

int main()
{
    quiltra::SliderTables tables;
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        quiltra::SliderPosition position;
        if (!(in >> position.cols >> position.rows))
            continue;
        for (int piece = 0; in >> piece;)
            position.cells.push_back(piece);
        if (position.cols * position.rows <= 16 && position.cols > 1 && position.rows > 1)
            tables.get(position.cols, position.rows);
        const double start = cpuMilliseconds();
        const quiltra::SliderSolution solution = quiltra::solveSlider(position, tables);
        const double took = cpuMilliseconds() - start;
        if (solution.outcome != quiltra::SolveOutcome::Solved) {
            std::printf("-1 %.3f\n", took);
            continue;
        }
        std::printf("%zu %.3f", solution.slides.size(), took);
        for (const int cell : solution.slides)
            std::printf(" %d", cell);
        std::printf("\n");
    }
    return 0;
}
