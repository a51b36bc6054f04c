// A program for the process tests to start, find and end.
//
//   hostsys_test_child <report file | -> <sleep ms>[!] <exit code> [argument...]
//
// It writes its working directory and then each further argument, one per
// line, to the report file (complete, by renaming, so that a test seeing the
// file knows the child is ready), sleeps, and exits with the exit code. A "!"
// after the sleep time makes it ignore SIGTERM.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main (int argc, char** argv)
{
    if (argc < 4)
        return 100;

    const std::string reportFile = argv[1];
    std::string sleepText = argv[2];

    if (! sleepText.empty() && sleepText.back() == '!')
    {
        sleepText.pop_back();
        std::signal (SIGTERM, SIG_IGN);
    }

    if (reportFile != "-")
    {
        const auto partial = reportFile + ".partial";

        {
            std::ofstream report (partial, std::ios::binary);
            report << std::filesystem::current_path().string() << '\n';

            for (int i = 4; i < argc; ++i)
                report << argv[i] << '\n';
        }

        std::filesystem::rename (partial, reportFile);
    }

    std::this_thread::sleep_for (std::chrono::milliseconds (std::atoll (sleepText.c_str())));
    return std::atoi (argv[3]);
}
