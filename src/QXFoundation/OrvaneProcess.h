#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

class QProcess;

// Runs one external program (the converter, its probe) as a child process. The child's
// standard input is the null device, so a program that asks a question on its terminal
// gets end-of-file instead of hanging; its standard output and error are collected while
// it runs, so a child that writes a lot never blocks on a full pipe.
//
// Every run is bounded: a child that makes no progress for stallLimit() is killed, together
// with anything it started, and so is every child once the application quits (stopAll()). A
// child also dies when the thread that launched it dies, the application included, so no
// converter is ever left running on its own.
//
// Created, launched once, waited for, then asked for its status; one thread uses a runner
// from creation to status. Several runners may run at once on different threads.
class OrvaneProcess
{
public:
    OrvaneProcess(const std::optional<QString> &launchPath, const std::optional<QStringList> &arguments);
    ~OrvaneProcess();
    OrvaneProcess(const OrvaneProcess &) = delete;
    OrvaneProcess &operator=(const OrvaneProcess &) = delete;

    // Everything the child wrote to standard output (error), as UTF-8 text; none when the
    // bytes are not valid UTF-8. Waits for the child to exit when it still runs.
    std::optional<QString> output();
    std::optional<QString> error();

    // Starts the child; after stopAll() nothing starts, and the run ends as one that could not.
    void launch();
    void launch(const std::optional<QStringList> &arguments);
    // Waits for the child to exit, or kills it once it has made no progress for stallLimit(),
    // or once stopAll() is called. Progress is a new value for "frame", "out_time_us" or
    // "total_size" in the "key=value" lines on the child's standard output, the report ffmpeg
    // writes with "-progress pipe:1"; for a child that reports none the limit bounds its whole run.
    void waitUntilExit();
    // Stops a child that still runs, then gives its exit status: the exit code of a child that
    // ended normally, -1 for one that could not start, crashed, was killed by a signal (the
    // limits above included) or was never launched.
    int terminate();

    // The path of a helper program such as "ffmpeg" or "ffprobe": the environment variable
    // ORVANE_<NAME> (upper case) when set, so tests can stand in their own program, otherwise
    // the program found on PATH; empty when there is none.
    static QString findExecutable(const QString &name);

    // Runs ffmpeg (findExecutable("ffmpeg")) with the arguments and its progress report, so that
    // a long conversion goes on as long as it advances; its exit status as terminate() gives it.
    // `errorText` receives what ffmpeg wrote to standard error.
    static int runConverter(const QStringList &arguments, QString *errorText = nullptr);

    // How long any child may go without progress; 30 seconds unless set.
    static std::chrono::milliseconds stallLimit();
    static void setStallLimit(std::chrono::milliseconds limit);

    // The application quits: every child that runs is killed, and none starts any more.
    static void stopAll();

private:
    std::optional<QString> collected(std::optional<QString> &cache, bool standardOutput);
    // Reads what the child wrote to standard output so far; true when it reports progress.
    bool readProgress();
    void kill();

    std::unique_ptr<QProcess> m_process;
    std::optional<QString> m_output;
    std::optional<QString> m_error;
    QByteArray m_standardOutput;
    qsizetype m_scanned = 0;
    QByteArrayList m_lastReport;
    bool m_launched = false;
    bool m_refused = false;
};
