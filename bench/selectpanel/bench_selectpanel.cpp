// Adding n three-column rows one by one to a selection panel's list (AddRow with
// ColumnsAutoSize on: columns, padding, duplicate check and column widths after every row),
// measured against the floor: inserting the same rows one by one into a bare QTreeWidget of
// three columns. Both lists are shown on a window of the same size (offscreen platform).
// Extra: the same with the list kept sorted and duplicates removed, as the employee panel of
// the job form is set up.

#include "BenchMedians.h"
#include "SelectPnl.h"

#include <Form.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// n employees in a shuffled order, as a lookup hands them over.
std::vector<QStringList> employeeRows(int n)
{
    std::vector<QStringList> rows;
    rows.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const int id = int((quint64(i) * 7919) % quint64(n));
        rows.push_back({QStringLiteral("E%1").arg(id, 6, 10, QLatin1Char('0')),
                        QStringLiteral("员工%1").arg(id), QStringLiteral("部门%1").arg(id % 97)});
    }
    return rows;
}

const std::vector<QStringList> &rowsOf(int n)
{
    static std::map<int, std::vector<QStringList>> cache;
    auto it = cache.find(n);
    if (it == cache.end())
        it = cache.emplace(n, employeeRows(n)).first;
    return it->second;
}

std::unique_ptr<TForm> shownWindow()
{
    auto form = std::make_unique<TForm>();
    form->SetBounds(0, 0, 400, 300);
    form->show();
    return form;
}

void BM_PanelAddRow(benchmark::State &state)
{
    const std::vector<QStringList> &rows = rowsOf(int(state.range(0)));
    const bool sorted = state.range(1) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = shownWindow();
        auto *panel = new TSelectPanel(form.get(), form.get());
        panel->SetBounds(8, 8, 380, 280);
        panel->SetStyle(sp_Discrete);
        if (sorted)
            panel->SetCheckDuplicate(cd_CaseInsensitive);
        state.ResumeTiming();
        for (const QStringList &row : rows)
            panel->ListBox->AddRow(row);
        state.PauseTiming();
        if (panel->ListBox->Items().Count() != int(rows.size()))
            state.SkipWithError("rows missing");
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_BareTreeWidget(benchmark::State &state)
{
    const std::vector<QStringList> &rows = rowsOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto form = shownWindow();
        auto *tree = new QTreeWidget(form.get());
        tree->setGeometry(10, 25, 340, 260);
        tree->setColumnCount(3);
        tree->setHeaderHidden(true);
        tree->setRootIsDecorated(false);
        tree->setUniformRowHeights(true);
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
        tree->show();
        state.ResumeTiming();
        for (const QStringList &row : rows)
            tree->addTopLevelItem(new QTreeWidgetItem(row));
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_PanelAddRow)->Args({1000, 0})->Args({10000, 0})->Args({1000, 1})->Args({10000, 1})
    ->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_BareTreeWidget)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Repetitions(7);

} // namespace

int main(int argc, char **argv)
{
    // Freed memory stays with the allocator, as in a long-running client, for both sides
    // alike. By default glibc returns the top of the heap to the system once 128 KiB are
    // free there; whether a run's teardown leaves that much at the top depends on the order
    // blocks happen to lie in, and the next run then pays for faulting the memory in again
    // (up to a third of the measured time, on one side only). --default-allocator keeps
    // glibc's own setting.
    bool defaultAllocator = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--default-allocator") {
            defaultAllocator = true;
            std::copy(argv + i + 1, argv + argc, argv + i);
            argv[--argc] = nullptr;
            break;
        }
    }
    if (!defaultAllocator)
        mallopt(M_TRIM_THRESHOLD, 1 << 30);

    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ktr::bench::initializeInterleaved(argc, argv);
    ktr::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The ratio is taken of CPU times: on a machine shared with other work the wall-clock
    // times of the two sides are disturbed unequally.
    std::printf("\nMedian CPU (wall-clock) ms, AddRow against the bare QTreeWidget"
                " (target: ratio at most 3 at 10000 rows; %s):\n",
                defaultAllocator ? "glibc's default heap trimming" : "freed memory kept");
    for (const char *n : {"1000", "10000"}) {
        const auto bare = reporter.median("BM_BareTreeWidget/" + std::string(n));
        for (const char *sorted : {"0", "1"}) {
            const auto panel = reporter.median("BM_PanelAddRow/" + std::string(n) + "/" + sorted);
            if (bare.cpu > 0 && panel.cpu > 0)
                std::printf("  %6s rows%-27s AddRow %8.2f (%8.2f)  bare %7.2f (%7.2f)  ratio %.2f\n",
                            n, *sorted == '1' ? ", sorted, duplicate check:" : ":", panel.cpu,
                            panel.real, bare.cpu, bare.real, panel.cpu / bare.cpu);
        }
    }
    benchmark::Shutdown();
    return 0;
}
