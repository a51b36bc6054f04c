#include "FfmpegLut3d.h"
#include "RatioReporter.h"

#include <TemporaryFolder.h>
#include <pixcore/reference/Grade.h>
#include <pixcore/reference/TestChart.h>

#include <chrono>
#include <cstdio>

// Graded frames per second at 1920x1080 (the host's test chart): the grade's
// CPU reference, in float as a GPU computes it and in double, for a CDL and
// for a 33^3 and a 65^3 LUT, against ffmpeg's lut3d filter (trilinear) on the
// same image and LUT in the same run. The LUT samples a CDL, so both modes
// grade alike.
//
// ffmpeg's figure is its filter alone: a run of the image through the null
// filter (decoding the PFM for every frame) is subtracted from a run through
// lut3d; "ffmpeg-run" is the whole run per frame. ffmpeg slices the filter
// over every core, while the CPU reference runs on one thread.
//
// Needs the program ffmpeg (the Debian package ffmpeg, not installed by
// scripts/install-deps, since benchmarks do not run in CI); without it the
// ffmpeg cases are skipped with that reason. The reference cases always run.

namespace
{
    using namespace graphics::reference;
    using torvo::bench::FfmpegLut3d;

    constexpr int width = 1920, height = 1080;
    constexpr int ffmpegFrames = 40;
    constexpr int referenceFrames = 4;

    // One iteration count for every case, so that the benchmark names (and
    // with them RatioReporter's cases) end alike.
    constexpr int iterations = 5;

    Cdl benchCdl()
    {
        Cdl cdl;
        cdl.slope = { 1.1, 1.0, 0.9 };
        cdl.offset = { 0.02, 0.0, -0.01 };
        cdl.power = { 1.2, 1.0, 0.9 };
        cdl.saturation = 1.1;
        return cdl;
    }

    std::shared_ptr<const Lut3d> sampledLut (int size)
    {
        const auto cdl = benchCdl();
        return std::make_shared<Lut3d> (Lut3d::sample (size, [&cdl] (Rgb<double> c) { return applyCdl (c, cdl); }));
    }

    Grade makeGrade (int lutSize)
    {
        Grade grade;
        grade.cdl = benchCdl();
        grade.cdlActive = lutSize == 0;
        grade.lut = lutSize > 0 ? sampledLut (lutSize) : nullptr;
        return grade;
    }

    /** "<operation>/<case>", the case being "cdl-1080p" or "lut<size>-1080p". */
    std::string benchmarkName (const char* operation, int lutSize)
    {
        // Appended piece by piece: gcc 12 at -O3 warns falsely (-Wrestrict) about chained string sums.
        std::string name (operation);
        name.append (lutSize == 0 ? "/cdl" : "/lut");

        if (lutSize > 0)
            name.append (std::to_string (lutSize));

        name.append ("-1080p");
        return name;
    }

    void reportFramesPerSecond (benchmark::State& state, double totalSeconds)
    {
        state.counters["fps"] = totalSeconds > 0.0 ? (double) state.iterations() / totalSeconds : 0.0;
    }

    template <typename Grading>
    void registerReference (const char* operation, int lutSize, Grading gradeOnce)
    {
        benchmark::RegisterBenchmark (benchmarkName (operation, lutSize).c_str(), [lutSize, gradeOnce] (benchmark::State& state)
        {
            const auto image = makeTestChart (width, height);
            const auto grade = makeGrade (lutSize);
            double total = 0.0;

            for (auto _ : state)
            {
                const auto start = std::chrono::steady_clock::now();

                for (int frame = 0; frame < referenceFrames; ++frame)
                    benchmark::DoNotOptimize (gradeOnce (image, grade));

                const auto perFrame = std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count() / referenceFrames;
                state.SetIterationTime (perFrame);
                total += perFrame;
            }

            reportFramesPerSecond (state, total);
        })->UseManualTime()->Unit (benchmark::kMillisecond)->Iterations (iterations);
    }

    /** Each iteration is one pair of ffmpeg runs (one run for the whole run's cost); its time is the cost of one frame. */
    void runFfmpeg (benchmark::State& state, int lutSize, bool filterAlone)
    {
        if (const auto problem = FfmpegLut3d::findProblem(); problem.isNotEmpty())
        {
            state.SkipWithError (problem.toRawUTF8());
            return;
        }

        const TemporaryFolder folder;
        const FfmpegLut3d ffmpeg (folder.get(), makeTestChart (width, height), *sampledLut (lutSize));
        juce::String error;
        double total = 0.0;

        for (auto _ : state)
        {
            const auto graded = ffmpeg.timeRun (ffmpegFrames, true, error);
            const auto decoded = filterAlone ? ffmpeg.timeRun (ffmpegFrames, false, error) : std::optional<double> (0.0);

            if (! graded || ! decoded)
            {
                state.SkipWithError (error.toRawUTF8());
                return;
            }

            const auto perFrame = std::max (0.0, *graded - *decoded) / ffmpegFrames;
            state.SetIterationTime (perFrame);
            total += perFrame;
        }

        reportFramesPerSecond (state, total);
    }

    void registerFfmpeg (int lutSize)
    {
        for (const auto filterAlone : { true, false })
            benchmark::RegisterBenchmark (benchmarkName (filterAlone ? "ffmpeg" : "ffmpeg-run", lutSize).c_str(),
                                          [lutSize, filterAlone] (benchmark::State& state) { runFfmpeg (state, lutSize, filterAlone); })
                ->UseManualTime()->Unit (benchmark::kMillisecond)->Iterations (iterations);
    }

    /** How far ffmpeg's result lies from the reference's, so that the timings compare the same work. */
    void printAgreement (int lutSize)
    {
        if (FfmpegLut3d::findProblem().isNotEmpty())
            return;

        const TemporaryFolder folder;
        const auto image = makeTestChart (width, height);
        const FfmpegLut3d ffmpeg (folder.get(), image, *sampledLut (lutSize));
        FloatImage graded;
        juce::String error;

        if (! ffmpeg.gradeOnce (graded, error))
        {
            std::printf ("ffmpeg did not grade the chart: %s\n", error.toRawUTF8());
            return;
        }

        const auto reference = gradeImage (image, makeGrade (lutSize), gradingGamma);
        double largest = 0.0;

        for (size_t i = 0; i < reference.getPixels().size(); ++i)
        {
            const auto a = reference.getPixels()[i], b = graded.getPixels()[i];
            largest = std::max ({ largest, (double) std::abs (a.r - b.r), (double) std::abs (a.g - b.g), (double) std::abs (a.b - b.b) });
        }

        std::printf ("ffmpeg lut3d against the reference, %d^3 LUT: largest difference %.3g\n", lutSize, largest);
    }
}

int main (int argc, char** argv)
{
    for (const auto lutSize : { 0, 33, 65 })
    {
        registerReference ("cpu-float", lutSize, [] (const FloatImage& image, const Grade& grade) { return gradeImageInFloat (image, grade, 2.2f); });
        registerReference ("cpu-double", lutSize, [] (const FloatImage& image, const Grade& grade) { return gradeImage (image, grade, 2.2); });

        if (lutSize > 0)
            registerFfmpeg (lutSize);
    }

    benchmark::Initialize (&argc, argv);
    printAgreement (33);
    printAgreement (65);
    torvo::bench::RatioReporter reporter ("cpu-float");
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();
    return 0;
}
