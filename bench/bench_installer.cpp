// The installer's two costs a user waits for: painting the full-screen backdrop (every expose of
// the screen behind the wizard) and the copy loop (per file: progress, events, copy, rename).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "installer/Backdrop.h"
#include "installer/FileCopy.h"
#include "installer/InstallLog.h"

using namespace vortel::installer;

static void BM_BackdropPaint(benchmark::State& state) {
    const QSize screen(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Backdrop backdrop(German);
    backdrop.resize(screen);
    QImage target(screen, QImage::Format_RGB32);
    for (auto _ : state) {
        backdrop.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_BackdropPaint)->Args({1024, 768})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// `files` files of `kib` KiB each, copied into a fresh target every round, with the wizard's
// event processing between files.
static void BM_CopyFiles(benchmark::State& state) {
    const int files = static_cast<int>(state.range(0));
    const int kib = static_cast<int>(state.range(1));
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("dist"));
    QDir().mkpath(source);
    const QByteArray bytes(kib * 1024, 'v');
    for (int i = 0; i < files; ++i) {
        QFile file(QDir(source).filePath(QStringLiteral("file%1").arg(i)));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    const std::vector<SourceFile> list = ListSourceFiles(source);
    CopyHooks hooks;
    hooks.keepGoing = [] {
        QCoreApplication::processEvents();
        return true;
    };
    int round = 0;
    for (auto _ : state) {
        const QString target = work.filePath(QStringLiteral("target%1").arg(round++));
        QDir().mkpath(target);
        const InstallLog log(target + QStringLiteral("/install.log"));
        if (!CopyFiles(source, target, list, log, hooks)) state.SkipWithError("copy failed");
        state.PauseTiming();
        QDir(target).removeRecursively();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(files) * kib * 1024);
    state.SetItemsProcessed(state.iterations() * files);
}
BENCHMARK(BM_CopyFiles)->Args({7, 700})->Args({200, 4})->Unit(benchmark::kMillisecond);

