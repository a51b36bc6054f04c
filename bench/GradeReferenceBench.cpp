#include "FfmpegLut3d.h"
#include "GradingElementRig.h"
#include "RatioReporter.h"

#include <TemporaryFolder.h>
#include <pixcore/reference/Grade.h>
#include <pixcore/reference/TestChart.h>

#include <chrono>
#include <cstdio>
#include <functional>

// What the figures mean is printed before them, so that a run's log says it.
namespace
{
    const char* const header =
        "Graded frames per second at 1920x1080 (the host's test chart): the real\n"
        "grading element (AmbrelColorTextureModifier, its own shader, on the OpenGL\n"
        "context pixcore makes: llvmpipe where there is no GPU), the grade's CPU\n"
        "reference, in float as a GPU computes it and in double, for a CDL and for a\n"
        "33^3 and a 65^3 LUT, against ffmpeg's lut3d filter (trilinear) on the same\n"
        "image and LUT in the same run. The LUT samples a CDL, so both modes grade\n"
        "alike.\n"
        "\n"
        "\"gl-frame\" counts a frame as the element's render plus reading the 1080p\n"
        "result back as floats; \"gl-render\" is the render alone, waited for with\n"
        "glFinish (the result stays on the GPU, as when the host only shows it).\n"
        "\"gl-lut-arrival\" is the frame that first renders a LUT the device has just\n"
        "been sent (the element's copy of it from the channel, its upload and the\n"
        "render, to glFinish); \"gl-cdl-arrival\" the same for a CDL sent while the\n"
        "element holds a 65^3 LUT, whose counter lut_uploads must stay 0: a CDL\n"
        "copies and uploads no LUT. Their \"-64px\" cases render a 64x64 chart, so\n"
        "that the copy and the upload stand out from the render. llvmpipe renders\n"
        "on every core.\n"
        "\n"
        "Times are per frame; fps is frames per second. The table at the end sets\n"
        "each case's time against cpu-float's of the same case (below 1: faster).\n"
        "\n"
        "ffmpeg's figure is its filter alone: a run of the image through the null\n"
        "filter (decoding the PFM for every frame) is subtracted from a run through\n"
        "lut3d; \"ffmpeg-run\" is the whole run per frame. ffmpeg slices the filter\n"
        "over every core, while the CPU reference runs on one thread.\n"
        "\n"
        "Needs the program ffmpeg (the Debian package ffmpeg, not installed by\n"
        "scripts/install-deps, since benchmarks do not run in CI); without it the\n"
        "ffmpeg cases are skipped with that reason. The reference cases always run.\n";

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

    /** "<operation>/<case>", the case being "cdl-1080p" or "lut<size>-1080p" (or another image suffix). */
    std::string benchmarkName (const char* operation, int lutSize, const char* imageSuffix = "-1080p")
    {
        // Appended piece by piece: gcc 12 at -O3 warns falsely (-Wrestrict) about chained string sums.
        std::string name (operation);
        name.append (lutSize == 0 ? "/cdl" : "/lut");

        if (lutSize > 0)
            name.append (std::to_string (lutSize));

        name.append (imageSuffix);
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

    //==============================================================================
    /** The element's rig over the chart, graded as the case says; nullptr (the case skipped) when it cannot run. */
    std::unique_ptr<torvo::bench::GradingElementRig> makeElementRig (benchmark::State& state, int lutSize, int side = 0)
    {
        juce::String error;
        auto rig = torvo::bench::GradingElementRig::create (side > 0 ? makeTestChart (side, side) : makeTestChart (width, height), error);
        const auto grade = makeGrade (lutSize);

        if (rig != nullptr && (grade.lut != nullptr ? rig->sendLut (*grade.lut, error) : rig->sendCdl (grade.cdl, error)) && rig->render())
            return rig;

        state.SkipWithError (error.isNotEmpty() ? error.toRawUTF8() : "the element did not render");
        return nullptr;
    }

    /** Times one frame of the element: its render, and with readBack the read back of its result. */
    double timeElementFrame (torvo::bench::GradingElementRig& rig, bool readBack)
    {
        const auto start = std::chrono::steady_clock::now();
        rig.render();

        if (readBack)
            benchmark::DoNotOptimize (rig.readBack());
        else
            rig.finish();

        return std::chrono::duration<double> (std::chrono::steady_clock::now() - start).count();
    }

    void registerElement (int lutSize, bool readBack)
    {
        benchmark::RegisterBenchmark (benchmarkName (readBack ? "gl-frame" : "gl-render", lutSize).c_str(), [lutSize, readBack] (benchmark::State& state)
        {
            const auto rig = makeElementRig (state, lutSize);

            if (rig == nullptr)
                return;

            double total = 0.0;

            for (auto _ : state)
            {
                double frames = 0.0;

                for (int frame = 0; frame < referenceFrames; ++frame)
                    frames += timeElementFrame (*rig, readBack);

                state.SetIterationTime (frames / referenceFrames);
                total += frames / referenceFrames;
            }

            reportFramesPerSecond (state, total);
        })->UseManualTime()->Unit (benchmark::kMillisecond)->Iterations (iterations);
    }

    /** Each iteration sends a new grade (untimed) and times the first frame that renders it, on the
        1080p chart or (side > 0) on a small square one, where the frame costs little beside the grade's copy and upload. */
    void registerArrival (int lutSize, int side)
    {
        std::string suffix ("-1080p");

        if (side > 0)
            suffix.assign ("-").append (std::to_string (side)).append ("px");

        benchmark::RegisterBenchmark (benchmarkName (lutSize > 0 ? "gl-lut-arrival" : "gl-cdl-arrival", lutSize, suffix.c_str()).c_str(), [lutSize, side] (benchmark::State& state)
        {
            const auto rig = makeElementRig (state, 65, side);

            if (rig == nullptr)
                return;

            // Two grades in turn, so that every one sent differs from the last.
            const auto lut = sampledLut (65);
            const graphics::reference::Lut3d identity (65);
            const auto uploadsBefore = rig->getNumLutUploads();
            int sent = 0;
            juce::String error;

            for (auto _ : state)
            {
                auto cdl = benchCdl();
                cdl.slope[0] += 0.01 * ++sent;

                if (! (lutSize > 0 ? rig->sendLut (sent % 2 == 0 ? *lut : identity, error) : rig->sendCdl (cdl, error)))
                {
                    state.SkipWithError (error.toRawUTF8());
                    return;
                }

                state.SetIterationTime (timeElementFrame (*rig, false));
            }

            state.counters["lut_uploads"] = rig->getNumLutUploads() - uploadsBefore;
        })->UseManualTime()->Unit (benchmark::kMillisecond)->Iterations (iterations);
    }

    /** The largest difference between two images' colour components. */
    double measureLargestDifference (const FloatImage& image, const std::function<Rgba (int x, int y)>& other)
    {
        double largest = 0.0;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto a = image.getPixel (x, y), b = other (x, y);
                largest = std::max ({ largest, (double) std::abs (a.r - b.r), (double) std::abs (a.g - b.g), (double) std::abs (a.b - b.b) });
            }

        return largest;
    }

    /** How far the element's frame lies from the reference's, so that its timings are of a right result. */
    void printElementAgreement (int lutSize)
    {
        const auto image = makeTestChart (width, height);
        const auto grade = makeGrade (lutSize);
        juce::String error;
        auto rig = torvo::bench::GradingElementRig::create (image, error);

        if (rig == nullptr || ! (grade.lut != nullptr ? rig->sendLut (*grade.lut, error) : rig->sendCdl (grade.cdl, error)) || ! rig->render())
        {
            std::printf ("the element did not grade the chart: %s\n", error.toRawUTF8());
            return;
        }

        const auto frame = rig->readBack();
        const auto largest = measureLargestDifference (gradeImage (image, grade, gradingGamma), [&frame] (int x, int y)
        {
            const auto p = frame.getPixel (x, y);
            return Rgba { p[0], p[1], p[2], p[3] };
        });

        std::printf ("element against the reference, %s: largest difference %.3g\n", benchmarkName ("", lutSize).c_str() + 1, largest);
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

        const auto largest = measureLargestDifference (gradeImage (image, makeGrade (lutSize), gradingGamma),
                                                       [&graded] (int x, int y) { return graded.getPixel (x, y); });

        std::printf ("ffmpeg lut3d against the reference, %d^3 LUT: largest difference %.3g\n", lutSize, largest);
    }
}

int main (int argc, char** argv)
{
    for (const auto lutSize : { 0, 33, 65 })
    {
        registerReference ("cpu-float", lutSize, [] (const FloatImage& image, const Grade& grade) { return gradeImageInFloat (image, grade, 2.2f); });
        registerReference ("cpu-double", lutSize, [] (const FloatImage& image, const Grade& grade) { return gradeImage (image, grade, 2.2); });

        registerElement (lutSize, true);
        registerElement (lutSize, false);

        if (lutSize > 0)
            registerFfmpeg (lutSize);
    }

    for (const auto side : { 0, 64 })
    {
        registerArrival (65, side);
        registerArrival (0, side);
    }

    benchmark::Initialize (&argc, argv);
    std::fputs (header, stdout);
    printAgreement (33);
    printAgreement (65);

    for (const auto lutSize : { 0, 33, 65 })
        printElementAgreement (lutSize);

    torvo::bench::RatioReporter reporter ("cpu-float");
    benchmark::RunSpecifiedBenchmarks (&reporter);
    benchmark::Shutdown();
    return 0;
}
